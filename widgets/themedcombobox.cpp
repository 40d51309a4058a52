#include "widgets/themedcombobox.h"

#include "app/themecolorinfo.h"
#include "widgets/arrowwidget.h"
#include "widgets/readablecolour.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyledItemDelegate>

namespace ThemedComboBox {

ListColours listColours(const ThemeColorInfo &theme, const QString &background)
{
    ListColours c;
    c.background = ArrowWidget::colorFromThemeText(background);
    c.text = ReadableColour::on(c.background, ArrowWidget::colorFromThemeText(theme.TextDefaultColor),
                                ReadableColour::kDrawnTextContrast);
    c.selectedBackground = ArrowWidget::colorFromThemeText(theme.AllThemeColor);
    // The list's own background colour on the accent, as far as it reads there.
    c.selectedText = ReadableColour::on(c.selectedBackground, c.background, ReadableColour::kDrawnTextContrast);
    return c;
}

QString listSheet(const ThemeColorInfo &theme, const QString &background, const QString &selector)
{
    const ListColours c = listColours(theme, background);
    using ReadableColour::sheetText;
    // combobox-popup 0: the list opens beside its box and scrolls after the box's
    // visible items, instead of showing every item in a list as tall as the screen.
    return QStringLiteral("%1{ combobox-popup: 0; }"
                          "%1 QAbstractItemView{ background-color: rgb(%2); color: rgb(%3); "
                          "selection-background-color: rgb(%4); selection-color: rgb(%5); outline: 0px; "
                          "border: 1px solid rgb(%4); }"
                          "%1 QAbstractItemView::item{ height: 40px; padding-left: 10px; color: rgb(%3); "
                          "background-color: rgb(%2); }"
                          "%1 QAbstractItemView::item:selected{ color: rgb(%5); background-color: rgb(%4); }")
        .arg(selector, sheetText(c.background), sheetText(c.text), sheetText(c.selectedBackground),
             sheetText(c.selectedText));
}

QString functionPageSheet(const ThemeColorInfo &theme)
{
    const QColor face = ArrowWidget::colorFromThemeText(theme.DeviceRightBgColor);
    const QColor text = ReadableColour::on(face, ArrowWidget::colorFromThemeText(theme.TextDefaultColor),
                                           ReadableColour::kDrawnTextContrast);
    return QStringLiteral("QComboBox{ background-color: rgb(%1); padding-left: 5px; border: 1px solid rgb(%2); "
                          "font: 75 10pt \"%5\"; color: rgb(%3); border-radius: 4px; }"
                          "QComboBox:hover{ border: 1px solid rgb(%4); }"
                          "QComboBox::down-arrow{ image: url(:/images/publicIco/comboBoxDef.png); width: 14px; "
                          "height: 14px; }"
                          "QComboBox::down-arrow:hover{ image: url(:/images/publicIco/comboBoxDef.png); }"
                          "QComboBox::down-arrow:on{ image: url(:/images/publicIco/comboBoxSel.png); }"
                          "QComboBox::drop-down{ width: 20px; padding-right: 3px; background: transparent; "
                          "border: none; }")
               .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor, ReadableColour::sheetText(text),
                    theme.TextCheckedColor, theme.TextFont)
        + listSheet(theme, theme.DeviceRightBgColor);
}

void apply(QComboBox *box, const QString &sheet)
{
    if (!box)
        return;
    box->setStyleSheet(sheet);
    if (!qobject_cast<QStyledItemDelegate *>(box->itemDelegate()))
        box->setItemDelegate(new QStyledItemDelegate(box));
    // The list's own sheet as well: a page's form may carry list rules of its own
    // (a white list, a pink selection), and the list, a window of its own, took
    // those over the box's.
    box->view()->setStyleSheet(sheet);
}

}  // namespace ThemedComboBox
