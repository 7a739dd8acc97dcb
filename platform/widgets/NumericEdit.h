#pragma once

#include "db/Decimal.h"

#include <QLineEdit>

namespace zedera {

// A number field: while it has the focus it holds the plain number to edit ("1234,5", ',' as
// the decimal point, a '.' typed on the keypad becomes ','), and otherwise it shows the value
// through its display mask ("1.234,50"). Letters are refused as they are typed. A field nobody
// filled is empty, and its value is 0.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    // The mask of formatNumber(); an empty mask shows the plain number with the field's decimals.
    void setDisplayFormat(const QString &mask);
    QString displayFormat() const { return m_mask; }
    int decimals() const { return m_decimals; }
    void setAllowNegative(bool allow);
    bool allowNegative() const { return m_allowNegative; }
    bool isEmpty() const { return m_empty; }
    void clearValue() { clear(); }

signals:
    // The value changed, by typing or from code.
    void valueChanged();

protected:
    NumericEdit(int decimals, QWidget *parent);
    void setDecimalPlaces(int decimals);
    Decimal storedValue() const { return m_value; }
    // Rounds to the field's decimals and shows it.
    void storeValue(const Decimal &value);

    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void takeText(const QString &text);
    void showValue();

    Decimal m_value;
    bool m_empty = true;
    bool m_updating = false;
    bool m_allowNegative = true;
    int m_decimals = 0;
    QString m_mask;
};

// Money, litres, hours: a Decimal with 0 to 4 decimals (2 unless told).
class DecimalEdit : public NumericEdit {
    Q_OBJECT
public:
    explicit DecimalEdit(QWidget *parent = nullptr) : NumericEdit(2, parent) {}
    void setDecimals(int decimals) { setDecimalPlaces(decimals); }
    Decimal value() const { return storedValue(); }
    void setValue(const Decimal &value) { storeValue(value); }
};

// Years, odometer readings, counts (up to 14 digits, as a Decimal holds them).
class IntegerEdit : public NumericEdit {
    Q_OBJECT
public:
    explicit IntegerEdit(QWidget *parent = nullptr) : NumericEdit(0, parent) {}
    qint64 value() const { return storedValue().truncated(); }
    void setValue(qint64 value) { storeValue(Decimal::fromInteger(value)); }
};

} // namespace zedera
