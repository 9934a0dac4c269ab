#include "form/controls.h"

#include "base/failure.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <cmath>

void setListIndex(QComboBox* list, int index)
{
    if (index < -1 || index >= list->count())
        throw invalidPropertyValue();
    list->setCurrentIndex(index);
    if (index == -1 && list->isEditable())
        list->setEditText(QString());
}

void setBarValue(QProgressBar* bar, double value)
{
    if (!(value >= 0.0 && value <= 100.0))
        throw invalidPropertyValue();
    bar->setValue(static_cast<int>(std::lround(value)));
}

int checkValue(const QAbstractButton* box)
{
    return box->isChecked() ? 1 : 0;
}

void setCheckValue(QAbstractButton* box, int value)
{
    box->setChecked(value == 1);
}

QString leadingChars(const QString& text, int n)
{
    return text.left(n);
}

void skipRejectedValue(const std::function<void()>& assignment)
{
    try {
        assignment();
    } catch (const Failure& failure) {
        if (failure.number != FailureNumber::InvalidPropertyValue)
            throw;
    }
}
