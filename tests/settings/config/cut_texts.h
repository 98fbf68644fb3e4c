#pragma once

// Texts of the settings program's windows that do not fit their controls, whatever makes them
// longer: a larger system font or another language.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace tarnwick::cfg {

// True when the whole of the widget shows: inside each of its parents up to the window.
inline bool Inside(const QWidget* widget, const QWidget* window) {
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (!parent->rect().contains(QRect(widget->mapTo(parent, QPoint(0, 0)), widget->size()))) {
            return false;
        }
        if (parent == window) {
            break;
        }
    }
    return true;
}

// The texts of the shown page that are cut: a label, box or button smaller than its text needs
// or reaching out of its parents.
inline QStringList CutTexts(QWidget& window) {
    QStringList cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        QSize needed;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            needed = label->wordWrap() ? QSize(label->minimumSizeHint().width(),
                                               label->heightForWidth(label->width()))
                                       : label->sizeHint();
            text = label->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            needed = box->minimumSizeHint();  // the title and what the box holds
            text = box->title();
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            needed = widget->sizeHint();
            text = static_cast<QAbstractButton*>(widget)->text();
        }
        if (text.isEmpty()) {  // no text to cut: a colour panel
            continue;
        }
        if (widget->width() < needed.width() || widget->height() < needed.height() ||
            !Inside(widget, &window)) {
            cut << QStringLiteral("\"%1\" %2x%3 of %4x%5")
                       .arg(text)
                       .arg(widget->width())
                       .arg(widget->height())
                       .arg(needed.width())
                       .arg(needed.height());
        }
    }
    return cut;
}

// The texts of the shown page that push buttons of a fixed size and drop-down lists cut: a
// caption wider than the button within its margins, an entry wider than the list's field.
inline QStringList CutCaptionsAndEntries(QWidget& window) {
    QStringList cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // The room the style gives a caption: the button within its margin and frame.
            QStyle* style = button->style();
            const int room = button->width() -
                             style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) -
                             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            const int needed = metrics.size(Qt::TextShowMnemonic, button->text()).width();
            if (button->icon().isNull() && needed > room) {
                cut << QStringLiteral("button \"%1\" %2 of %3")
                           .arg(button->text())
                           .arg(room)
                           .arg(needed);
            }
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = list->isEditable();
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i) {
                if (metrics.horizontalAdvance(list->itemText(i)) > room) {
                    cut << QStringLiteral("entry \"%1\" %2 of %3")
                               .arg(list->itemText(i))
                               .arg(room)
                               .arg(metrics.horizontalAdvance(list->itemText(i)));
                }
            }
        }
    }
    return cut;
}

// Shows every page of every page area of the window in turn and gathers what check finds.
template <typename Check>
QStringList OnEveryPage(QWidget& window, Check check) {
    window.show();
    QApplication::processEvents();
    QStringList cut = check(window);
    for (QStackedWidget* pages : window.findChildren<QStackedWidget*>()) {
        const int shown = pages->currentIndex();
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            cut << check(window);
        }
        pages->setCurrentIndex(shown);
    }
    cut.removeDuplicates();
    return cut;
}

inline QStringList CutTextsOnEveryPage(QWidget& window) {
    return OnEveryPage(window, CutTexts);
}

}  // namespace tarnwick::cfg
