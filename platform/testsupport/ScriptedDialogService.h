#pragma once

#include "dialogs/DialogService.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <utility>

namespace zedera::testing {

// Stands in for the message boxes while it lives: records every box in order and answers questions
// and modal windows from a script. Anything the script did not foresee (a question or window with no
// answer queued, a question whose text differs from the expected one) is answered No / Rejected,
// listed in unexpected(), and fails the running test when the double goes out of scope, as do
// scripted answers left unused.
class ScriptedDialogService final : public DialogService {
public:
    enum class Kind { Information, Warning, Error, Question, Exec };

    struct Message {
        Kind kind = Kind::Information;
        QString text;    // the text as given; for Exec the dialog's class name
        QString caption; // the caption shown (the default one when none was given); for Exec the
                         // dialog's window title
        bool defaultYes = false; // questions only
        bool answer = false;     // questions: the answer given
        QString objectName;      // Exec only: the dialog's objectName
        int result = 0;          // Exec only: the result returned
    };

    using ExecHandler = std::function<int(QDialog &)>;

    ScriptedDialogService();
    ~ScriptedDialogService() override;
    ScriptedDialogService(const ScriptedDialogService &) = delete;
    ScriptedDialogService &operator=(const ScriptedDialogService &) = delete;

    // Answers the next question, which must have exactly this text.
    void expectQuestion(const QString &text, bool answer);
    // Answers the next question whatever its text.
    void answerNextQuestion(bool answer);
    // Handles the next modal window: the handler may fill its fields and returns its result
    // (QDialog::Accepted or QDialog::Rejected). With a name, the window's objectName or class name
    // must equal it.
    void expectExec(ExecHandler handler);
    void expectExec(const QString &name, ExecHandler handler);
    // Shorthand: accept or reject the next modal window without touching it.
    void expectExec(int result);

    const QList<Message> &messages() const { return m_messages; }
    // The last box shown; an empty Message when none was.
    Message lastMessage() const;
    // The texts of the boxes of one kind, in order.
    QStringList texts(Kind kind) const;
    // Descriptions of what the script did not foresee, in order.
    const QStringList &unexpected() const { return m_unexpected; }
    // Hands over and forgets them, for a test that provokes them on purpose.
    QStringList takeUnexpected() { return std::exchange(m_unexpected, {}); }
    // Scripted answers not yet used.
    int pendingQuestions() const { return int(m_questions.size()); }
    int pendingExecs() const { return int(m_execs.size()); }
    // Forgets the recorded boxes (not the script).
    void clearMessages() { m_messages.clear(); }

    void information(const QString &text, const QString &caption = {}) override;
    void warning(const QString &text, const QString &caption = {}) override;
    void error(const QString &text, const QString &caption = {}) override;
    bool question(const QString &text, bool defaultYes, const QString &caption = {}) override;
    int exec(QDialog &dialog) override;

    static QString kindName(Kind kind);

private:
    struct ScriptedQuestion {
        bool anyText = false;
        QString text;
        bool answer = false;
    };
    struct ScriptedExec {
        QString name;
        ExecHandler handler;
    };

    void record(Kind kind, const QString &text, const QString &caption);
    void flagUnexpected(const QString &what);

    DialogService *m_previous = nullptr;
    QList<Message> m_messages;
    QStringList m_unexpected;
    std::deque<ScriptedQuestion> m_questions;
    std::deque<ScriptedExec> m_execs;
};

} // namespace zedera::testing
