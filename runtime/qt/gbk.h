// The edge between the program's GBK texts and Qt's UTF-16 strings.
#pragma once

#include <QString>
#include <string_view>

#include "runtime/text.h"

namespace runtime::qt {

// Bytes that are no GBK character become U+FFFD.
QString FromGbk(std::string_view gbk);

// Characters that GBK lacks become "?", as a Windows code page conversion gives them.
Text ToGbk(const QString& text);

}  // namespace runtime::qt
