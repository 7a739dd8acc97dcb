#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace zedera {

class Banco;
struct Sessao;

// What a window opened from the main menu may use: the main window as its parent, the database
// and the session.
struct ContextoJanela {
    QWidget *parent = nullptr;
    Banco &banco;
    Sessao &sessao;
};
// Creates the window of a menu item; the main window shows it modally and frees it afterwards.
using FabricaJanela = std::function<std::unique_ptr<QDialog>(const ContextoJanela &)>;

// One entry of the main menu: an item that opens a window, a separator (empty name), or a
// submenu (with items of its own).
struct ItemMenu {
    QString nome;   // objectName; the access rights are kept by it
    QString titulo;
    QList<ItemMenu> itens;
    bool separador() const { return nome.isEmpty(); }
};

struct MenuTopo {
    QString titulo;
    QString dica;
    QList<ItemMenu> itens;
};

// The main menu in its order. Which items are actually shown depends on janelasDoMenu().
const QList<MenuTopo> &menuPrincipal();

// A toolbar button: its objectName, caption, hint and the menu item it follows.
struct BotaoBarra {
    QString nome;
    QString titulo;
    QString dica;
    QString item;  // empty for the exit button
    bool divisorDepois = false;
};
const QList<BotaoBarra> &botoesBarra();

// The window of each menu item, by the item's objectName. An item without a window is not shown:
// the menu never offers something that opens nothing. The items the main window handles itself
// (user administration, password change) are not listed here.
QHash<QString, FabricaJanela> janelasDoMenu();

} // namespace zedera
