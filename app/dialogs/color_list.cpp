#include "app/dialogs/color_list.h"

#include <QComboBox>
#include <QPixmap>

#include "platform/qt/system_colors.h"

namespace wendax {
namespace {

constexpr TColorEntry kEntries[kColorEntries] = {
    {"Windows colorset", 0}, {"Aqua", 0xFFFF00},   {"Black", 0x000000}, {"Blue", 0xFF0000},
    {"Fuchsia", 0xFF00FF},   {"Gray", 0x808080},   {"Green", 0x008000}, {"Lime", 0x00FF00},
    {"Maroon", 0x000080},    {"Navy", 0x800000},   {"Olive", 0x008080}, {"Purple", 0x800080},
    {"Red", 0x0000FF},       {"Silver", 0xC0C0C0}, {"Teal", 0x808000},  {"White", 0xFFFFFF},
    {"Yellow", 0x00FFFF},
};

constexpr int kVisibleEntries = 10;

QIcon Swatch(const QColor& color) {
    QPixmap swatch(12, 12);
    swatch.fill(color);
    return QIcon(swatch);
}

}  // namespace

const TColorEntry (&ColorEntries())[kColorEntries] {
    return kEntries;
}

void FillColorList(QComboBox& list, TColor systemColor, const QPalette& palette) {
    list.clear();
    list.setMaxVisibleItems(kVisibleEntries);
    for (int i = 0; i < kColorEntries; ++i) {
        const TColor value = i == 0 ? systemColor : kEntries[i].Value;
        list.addItem(Swatch(ResolveColor(value, palette)), QString::fromLatin1(kEntries[i].Name),
                     QVariant::fromValue<uint>(value));
    }
}

void SelectColor(QComboBox& list, TColor color) {
    const int index = list.findData(QVariant::fromValue<uint>(color));
    list.setCurrentIndex(index < 0 ? 0 : index);
}

TColor ColorAt(const QComboBox& list, int index) {
    return list.itemData(index).value<uint>();
}

}  // namespace wendax
