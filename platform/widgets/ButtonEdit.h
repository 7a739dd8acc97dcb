#pragma once

#include <QLineEdit>

class QAction;

namespace zedera {

// A field with a small button at its right; F2 presses it. Read-only fields ignore both.
class ButtonEdit : public QLineEdit {
    Q_OBJECT
public:
    QAction *buttonAction() const { return m_button; }

protected:
    explicit ButtonEdit(QWidget *parent);
    virtual void buttonPressed() = 0;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *m_button;
};

// A code field whose picker window the owner opens when asked.
class PickerEdit : public ButtonEdit {
    Q_OBJECT
public:
    explicit PickerEdit(QWidget *parent = nullptr) : ButtonEdit(parent) {}
    // Codes: only digits can be typed.
    void setDigitsOnly(bool digitsOnly);

signals:
    void pickRequested();

protected:
    void buttonPressed() override { emit pickRequested(); }
};

} // namespace zedera
