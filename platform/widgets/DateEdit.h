#pragma once

#include "widgets/ButtonEdit.h"

#include <QDate>
#include <QDialog>
#include <QTime>

class QCalendarWidget;

namespace zedera {

// The calendar F2 opens on a date field: Enter or a double click takes the day, Esc leaves.
class CalendarPopup : public QDialog {
    Q_OBJECT
public:
    explicit CalendarPopup(const QDate &start, QWidget *parent = nullptr);
    QCalendarWidget *calendar() const { return m_calendar; }
    QDate selectedDate() const;

private:
    QCalendarWidget *m_calendar;
};

// "dd/mm/yyyy" typed into a "99/99/9999" mask. Blank ("  /  /    ") is a NULL date; a wrong one
// (31/02) also reads as an invalid date, and isBlank() tells the two apart for the message.
class DateEdit : public ButtonEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);
    QDate date() const;
    void setDate(const QDate &date);
    bool isBlank() const;

signals:
    // A day was taken from the calendar.
    void datePicked(const QDate &date);

protected:
    void buttonPressed() override;
};

// "hh:mm" typed into a "99:99" mask; blank is a NULL time.
class TimeEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TimeEdit(QWidget *parent = nullptr);
    QTime time() const;
    void setTime(const QTime &time);
    bool isBlank() const;
};

} // namespace zedera
