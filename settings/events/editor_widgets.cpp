#include "settings/events/editor_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

#include "settings/events/editor_fonts.h"

namespace tarnwick::cfg {

QGroupBox* MakeGroup(const QString& title, QWidget* parent, bool boldTitle) {
    auto* group = new QGroupBox(title, parent);
    group->setFont(TitleFont(boldTitle));
    return group;
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& hint, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setFont(TitleFont());
    label->setBuddy(buddy);
    if (!hint.isEmpty()) {
        label->setToolTip(hint);
    }
    return label;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(TitleFont());
    if (width > 0) {
        edit->setFixedWidth(width);
    }
    return edit;
}

QComboBox* MakeList(const char* name, const QStringList& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(TitleFont());
    list->addItems(items);
    return list;
}

void FixButtonSize(QPushButton* button, const QSize& designed) {
    // The room the style gives a caption, without its least width for a dialog's buttons.
    QStyle* style = button->style();
    const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int needed =
        button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + margins;
    button->setFixedSize(std::max(designed.width(), needed), designed.height());
}

}  // namespace tarnwick::cfg
