#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace zedera {

// Every message box and every modal sub-window of the program goes through this service, so that
// tests can replace it with a scripted double that records the messages and answers in order.
class DialogService {
public:
    virtual ~DialogService() = default;

    // Caption used when a call gives none (the program's title once a session exists).
    static void setDefaultCaption(const QString &caption);
    static QString defaultCaption();
    // The caption a box shows: a null caption means the default one; an empty but non-null caption
    // (QStringLiteral("")) is shown empty, for the few boxes that carry none.
    static QString resolveCaption(const QString &caption);

    virtual void information(const QString &text, const QString &caption = {}) = 0;
    virtual void warning(const QString &text, const QString &caption = {}) = 0;
    virtual void error(const QString &text, const QString &caption = {}) = 0;
    // A Yes/No question; defaultYes selects which button Enter presses. True means Yes.
    virtual bool question(const QString &text, bool defaultYes, const QString &caption = {}) = 0;
    // Shows a modal window (a picker, the print setup, a sub-registry) and returns its result code.
    virtual int exec(QDialog &dialog) = 0;

    // The service in use: the real message boxes unless a test installed its own.
    static DialogService &instance();
    // Installs a replacement (not owned); nullptr restores the real one.
    static void install(DialogService *service);
    // The replacement in use, or nullptr when the real boxes are.
    static DialogService *installed();
};

// Shorthands for the common calls.
inline DialogService &dialogs() { return DialogService::instance(); }

} // namespace zedera
