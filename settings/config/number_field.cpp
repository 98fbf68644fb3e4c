#include "settings/config/number_field.h"

#include <QLineEdit>

namespace tarnwick::cfg {
namespace {

// The text field of a spin box is reachable only from inside.
class NumberField : public QSpinBox {
public:
    NumberField(const QString& fieldName, QWidget* parent) : QSpinBox(parent) {
        lineEdit()->setObjectName(fieldName);
        // The field is read-only but the spin box is not, so its arrows and keys still step.
        lineEdit()->setReadOnly(true);
    }
};

}  // namespace

QSpinBox* MakeNumberField(const QString& upDownName, const QString& fieldName, int minimum,
                          int maximum, int step, QWidget* parent) {
    auto* box = new NumberField(fieldName, parent);
    box->setObjectName(upDownName);
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setGroupSeparatorShown(true);
    box->setAlignment(Qt::AlignRight);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 40);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

}  // namespace tarnwick::cfg
