// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace tollwick {

/// The core's texts are UTF-8 bytes; the window's are QStrings.
inline std::string ToBytes(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

inline QString FromBytes(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

/// Paths keep their bytes both ways, also where they are not valid UTF-8.
inline std::string PathToBytes(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    return {encoded.constData(), static_cast<std::size_t>(encoded.size())};
}

inline QString PathFromBytes(const std::string& path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

} // namespace tollwick
