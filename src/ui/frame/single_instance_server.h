#pragma once
// One program per user: the first start listens on a local socket in the user's runtime folder,
// a second start asks it to show its window and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace oryn7px {

class SingleInstanceServer : public QObject {
    Q_OBJECT
public:
    enum class Claim { kFirst, kHandedOver, kUnavailable };

    explicit SingleInstanceServer(QString socketPath, QObject* parent = nullptr);

    // kFirst: this process serves from now on. kHandedOver: another process runs and was told
    // to show itself. kUnavailable: neither (no runtime folder, no socket); the program runs alone.
    Claim ClaimOrHandOver();
    // Called on the UI thread for every "show" from a later start.
    void SetShowHandler(std::function<void()> handler) { onShow_ = std::move(handler); }
    // Stops answering, so the launcher knows this process is ending.
    void Close();

private:
    bool AskRunningToShow();
    void OnNewConnection();

    QString socketPath_;
    QLocalServer server_;
    std::function<void()> onShow_;
};

}  // namespace oryn7px
