#pragma once
// The support page: this program's and the mouse's versions, the firmware update check, the
// vendor's web site, export and import of the whole configuration, and restore defaults.
#include <QPoint>
#include <QString>
#include <array>

#include "core/base/message.h"
#include "core/pages/support_page/support_page_model.h"
#include "ui/pages/page_context.h"
#include "ui/pages/page_dlg.h"

namespace oryn7px {

class CGDIBitmapBtn;

class CDlgSupport : public CPageDlg {
    Q_OBJECT
public:
    explicit CDlgSupport(const PageContext& context);

    // The support page has nothing to apply.
    bool AllowsApply() const override { return false; }
    void OnFirmwareVersion(uint32_t version) override;
    void Relabel() override;
    FocusOrder KeyboardOrder() const override;

    // The texts as painted.
    QString DriverVersionText() const;
    QString FirmwareVersionText() const;
    QString DesktopInputText() const;
    QString DesktopAdviceText() const;
    // The versions and the desktop input lines as the page shows them.
    std::vector<ShownCaption> PaintedTexts() const override;
    CGDIBitmapBtn* UpdateButton() const { return buttons_[0]; }
    CGDIBitmapBtn* WebButton() const { return buttons_[1]; }
    CGDIBitmapBtn* ImportButton() const { return buttons_[2]; }
    CGDIBitmapBtn* ExportButton() const { return buttons_[3]; }
    CGDIBitmapBtn* DefaultsButton() const { return buttons_[4]; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void PostHint(int hintId);
    void ShowHintAt(QPoint at);
    void OnMouseMoveMessage(const Message& message);
    void OnWebLink();
    void OnExport();
    void OnImport();
    void OnRestoreDefaults();

    PageContext context_;
    SupportPageModel model_;
    std::array<CGDIBitmapBtn*, 7> buttons_{};  // in the order of the layout's control table
};

}  // namespace oryn7px
