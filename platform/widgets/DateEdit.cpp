#include "widgets/DateEdit.h"

#include "dialogs/DialogService.h"
#include "format/Format.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

namespace zedera {

CalendarPopup::CalendarPopup(const QDate &start, QWidget *parent)
    : QDialog(parent), m_calendar(new QCalendarWidget(this))
{
    setObjectName(QStringLiteral("calendario"));
    setWindowTitle(QStringLiteral("Calendário"));
    m_calendar->setObjectName(QStringLiteral("calendario_data"));
    m_calendar->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    m_calendar->setSelectedDate(start.isValid() ? start : QDate::currentDate());
    m_calendar->setGridVisible(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
}

QDate CalendarPopup::selectedDate() const
{
    return m_calendar->selectedDate();
}

// Digits may be left out ('0' in the mask, not '9'), so a blank or half-typed date never keeps
// the focus or swallows Enter: the window checks it when it saves.
DateEdit::DateEdit(QWidget *parent) : ButtonEdit(parent)
{
    setInputMask(QStringLiteral("00/00/0000"));
}

QDate DateEdit::date() const
{
    return parseDate(displayText());
}

void DateEdit::setDate(const QDate &date)
{
    if (date.isValid())
        setText(formatDate(date));
    else
        clear();
}

bool DateEdit::isBlank() const
{
    return isBlankEntry(displayText());
}

void DateEdit::buttonPressed()
{
    CalendarPopup popup(date(), this);
    if (DialogService::instance().exec(popup) != QDialog::Accepted)
        return;
    setDate(popup.selectedDate());
    emit datePicked(popup.selectedDate());
}

TimeEdit::TimeEdit(QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("00:00"));
}

QTime TimeEdit::time() const
{
    return parseTime(displayText());
}

void TimeEdit::setTime(const QTime &time)
{
    if (time.isValid())
        setText(formatTime(time));
    else
        clear();
}

bool TimeEdit::isBlank() const
{
    return isBlankEntry(displayText());
}

} // namespace zedera
