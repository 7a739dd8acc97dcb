#include "dialogs/DialogService.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zedera {

namespace {

QString &storedCaption()
{
    static QString caption;
    return caption;
}

DialogService *&installedService()
{
    static DialogService *service = nullptr;
    return service;
}

// Messages are written with '\r' line breaks, as the program's texts always were; a Qt label only
// breaks lines on '\n'.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QWidget *boxParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// The real message boxes, with Portuguese buttons.
class MessageBoxService final : public DialogService {
public:
    void information(const QString &text, const QString &caption) override
    {
        show(QMessageBox::Information, text, caption);
    }
    void warning(const QString &text, const QString &caption) override
    {
        show(QMessageBox::Warning, text, caption);
    }
    void error(const QString &text, const QString &caption) override
    {
        show(QMessageBox::Critical, text, caption);
    }

    bool question(const QString &text, bool defaultYes, const QString &caption) override
    {
        QMessageBox box(QMessageBox::Question, resolveCaption(caption), displayText(text),
                        QMessageBox::NoButton, boxParent());
        QPushButton *yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        box.setDefaultButton(defaultYes ? yes : no);
        // Esc and closing the box are a No: nothing is done that the user did not confirm.
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    int exec(QDialog &dialog) override { return dialog.exec(); }

private:
    static void show(QMessageBox::Icon icon, const QString &text, const QString &caption)
    {
        QMessageBox box(icon, resolveCaption(caption), displayText(text), QMessageBox::NoButton,
                        boxParent());
        QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
    }
};

} // namespace

void DialogService::setDefaultCaption(const QString &caption)
{
    storedCaption() = caption;
}

QString DialogService::defaultCaption()
{
    return storedCaption();
}

QString DialogService::resolveCaption(const QString &caption)
{
    return caption.isNull() ? defaultCaption() : caption;
}

DialogService &DialogService::instance()
{
    static MessageBoxService real;
    if (DialogService *service = installedService())
        return *service;
    return real;
}

void DialogService::install(DialogService *service)
{
    installedService() = service;
}

DialogService *DialogService::installed()
{
    return installedService();
}

} // namespace zedera
