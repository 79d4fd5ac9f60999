#!/usr/bin/env bash
# check-walls on a tiny tree: clean it passes; each planted include fails, naming file and line.
set -uo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

plant() {  # file, the line to plant
    mkdir -p "$(dirname "$tree/src/$1")"
    printf '#pragma once\n%s\n' "$2" >"$tree/src/$1"
}

plant_clean_tree() {
    plant core/base/bytes.h '#include <cstdint>'
    plant core/interfaces/file_writer.h '#include "core/base/bytes.h"'
    plant core/app/log.h '#include "core/interfaces/file_writer.h"'
    plant core/firmware/check.h '#include "core/base/bytes.h"'
    plant abi/menu_ex_api.h '#include <stdint.h>'
    plant ui/skin/button.h '#include <QWidget>'
    plant ui/pages/menu.h '#include "abi/menu_ex_api.h"'
    plant platform/linux/hidraw.cpp '#include <unistd.h>'
    plant tools/menuex/list.h '#include "ui/skin/button.h"'
    plant tools/menuex/menu.cpp '#include "list.h"'
}

plant_clean_tree
if ! output=$("$check" "$tree/src" 2>&1); then
    echo "FAIL: the clean tree was refused:"; echo "$output"; failures=$((failures + 1))
fi

# file | planted include | what the message must name
cases=(
    'core/base/extra.h|#include "core/interfaces/file_writer.h"|src/core/base/extra.h:2: includes core/interfaces/file_writer.h'
    'core/base/extra.h|#include "core/app/log.h"|src/core/base/extra.h:2:'
    'core/app/extra.cpp|#include <QString>|src/core/app/extra.cpp:2: includes QString'
    'core/app/extra.cpp|#include <unistd.h>|src/core/app/extra.cpp:2: includes unistd.h'
    'core/app/extra.cpp|#include "platform/linux/hidraw.h"|src/core/app/extra.cpp:2:'
    'core/firmware/extra.cpp|#include "core/app/log.h"|src/core/firmware/extra.cpp:2:'
    'ui/frame/extra.cpp|#include <sys/socket.h>|src/ui/frame/extra.cpp:2: includes sys/socket.h'
    'ui/frame/extra.cpp|#include <csignal>|src/ui/frame/extra.cpp:2: includes csignal'
    'ui/pages/extra.h|#include "tools/menuex/list.h"|src/ui/pages/extra.h:2: includes tools/menuex/list.h'
    'ui/pages/extra.h|#include "platform/linux/hidraw.h"|src/ui/pages/extra.h:2:'
    'platform/linux/extra.cpp|#include "ui/skin/button.h"|src/platform/linux/extra.cpp:2:'
    'platform/linux/extra.cpp|#include "core/settings/file_records.h"|src/platform/linux/extra.cpp:2:'
)
for entry in "${cases[@]}"; do
    IFS='|' read -r file include expected <<<"$entry"
    plant "$file" "$include"
    if output=$("$check" "$tree/src" 2>&1); then
        echo "FAIL: $include in $file passed"; failures=$((failures + 1))
    elif [[ $output != *"$expected"* ]]; then
        echo "FAIL: $include in $file: expected \"$expected\" in:"; echo "$output"; failures=$((failures + 1))
    fi
    rm "$tree/src/$file"
done

[[ $failures -eq 0 ]] && echo "check-walls: ${#cases[@]} planted includes refused, clean tree passed"
exit $((failures > 0))
