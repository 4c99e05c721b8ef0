// Editor window captions are file names, and a file name may hold any characters. Qt reads
// "[*]" in a window title as the place of its modified marker and shows a doubled "[*][*]"
// as a literal "[*]", so a caption is stored in its title in that doubled form.
#pragma once

#include <QString>

namespace wendax {

inline QString TitleForCaption(QString caption) {
    return caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

inline QString CaptionOfTitle(QString title) {
    return title.replace(QStringLiteral("[*][*]"), QStringLiteral("[*]"));
}

}  // namespace wendax
