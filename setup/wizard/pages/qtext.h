#pragma once
// The wizard's texts are code page 1252 bytes; widgets get and give QString.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/cp1252.h"

namespace wizard::pages {

inline QString q(const std::string& cp1252) {
    return QString::fromUtf8(platform::cp1252ToUtf8(cp1252));
}

inline std::string fromQ(const QString& text) {
    return platform::utf8ToCp1252(text.toUtf8().toStdString());
}

inline QString joinLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << q(line);
    return list.join(QLatin1Char('\n'));
}

}  // namespace wizard::pages
