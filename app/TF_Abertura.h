#pragma once

#include <QDialog>

class QTimer;

namespace zedera {

// The splash shown while the program starts; it closes itself after three seconds.
class TF_Abertura : public QDialog {
    Q_OBJECT
public:
    explicit TF_Abertura(QWidget *parent = nullptr);

    static constexpr int intervalo = 3000;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer *m_timer;
};

} // namespace zedera
