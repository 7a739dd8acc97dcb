#include "widgets/NumericEdit.h"

#include "format/Format.h"

#include <QFocusEvent>
#include <QValidator>

namespace zedera {

namespace {

// Whole digits a field takes: what a Decimal holds with room to spare.
constexpr int kMaxWholeDigits = 14;

// Accepts what can become a number as it is typed: an optional '-', digits, one ',' and at most
// the field's decimals after it. Every state in between ("", "-", "12,") is acceptable, so the
// field never holds back the focus or the Enter key; the value is read when it is complete.
class NumberValidator final : public QValidator {
public:
    explicit NumberValidator(const NumericEdit *edit) : QValidator(nullptr), m_edit(edit) {}

    State validate(QString &input, int &pos) const override
    {
        // Without the focus the field shows its mask ("R$ 1.234,50"), set from code, not typed.
        if (!m_edit->hasFocus())
            return Acceptable;
        // A '.' is a keypad decimal point, unless the text also has a ',' (a pasted "1.234,56"):
        // then the dots group thousands and go.
        if (input.contains(u',')) {
            for (qsizetype i = input.size() - 1; i >= 0; --i) {
                if (input.at(i) == u'.') {
                    input.remove(i, 1);
                    if (i < pos)
                        --pos;
                }
            }
        } else {
            input.replace(u'.', u',');
        }
        qsizetype i = 0;
        if (i < input.size() && input.at(i) == u'-') {
            if (!m_edit->allowNegative())
                return Invalid;
            ++i;
        }
        int whole = 0;
        for (; i < input.size() && input.at(i).isDigit(); ++i)
            ++whole;
        if (whole > kMaxWholeDigits)
            return Invalid;
        if (i < input.size() && input.at(i) == u',') {
            if (m_edit->decimals() == 0)
                return Invalid;
            ++i;
            int frac = 0;
            for (; i < input.size() && input.at(i).isDigit(); ++i)
                ++frac;
            if (frac > m_edit->decimals())
                return Invalid;
        }
        return i == input.size() ? Acceptable : Invalid;
    }

private:
    const NumericEdit *m_edit;
};

} // namespace

NumericEdit::NumericEdit(int decimals, QWidget *parent) : QLineEdit(parent), m_decimals(decimals)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *validator = new NumberValidator(this);
    validator->setParent(this);
    setValidator(validator);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_updating)
            takeText(text);
    });
}

void NumericEdit::setDisplayFormat(const QString &mask)
{
    m_mask = mask;
    showValue();
}

void NumericEdit::setDecimalPlaces(int decimals)
{
    m_decimals = qBound(0, decimals, Decimal::kScale);
    if (!m_empty)
        storeValue(m_value);
}

void NumericEdit::setAllowNegative(bool allow)
{
    m_allowNegative = allow;
    if (!allow && m_value.isNegative())
        storeValue(-m_value);
}

void NumericEdit::storeValue(const Decimal &value)
{
    const Decimal rounded = value.rounded(m_decimals);
    const bool changed = m_empty || rounded != m_value;
    m_value = rounded;
    m_empty = false;
    showValue();
    if (changed)
        emit valueChanged();
}

// Reads text typed or set from code. Code may also set a shown text ("R$ 1.234,50"): everything
// but the digits, the sign and the decimal comma is dropped first.
void NumericEdit::takeText(const QString &text)
{
    QString plain;
    for (QChar c : text) {
        if (c.isDigit() || c == u',' || c == u'-')
            plain += c;
    }
    const bool wasEmpty = m_empty;
    const Decimal before = m_value;
    const std::optional<Decimal> parsed = Decimal::parse(plain, u',');
    m_empty = !parsed.has_value();
    m_value = parsed.value_or(Decimal()).rounded(m_decimals);
    if (!hasFocus())
        showValue();
    if (m_empty != wasEmpty || m_value != before)
        emit valueChanged();
}

void NumericEdit::showValue()
{
    QString text;
    if (!m_empty) {
        if (hasFocus())
            text = m_value.toString(m_decimals).replace(u'.', u',');
        else if (m_mask.isEmpty())
            text = formatNumber(m_decimals > 0 ? QStringLiteral("0.") + QString(m_decimals, u'0')
                                               : QStringLiteral("0"),
                                m_value);
        else
            text = formatNumber(m_mask, m_value);
    }
    if (text == QLineEdit::text())
        return;
    m_updating = true;
    setText(text);
    m_updating = false;
}

void NumericEdit::focusInEvent(QFocusEvent *event)
{
    showValue(); // before the base class, which selects the text when tabbed into
    QLineEdit::focusInEvent(event);
}

void NumericEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    showValue();
}

} // namespace zedera
