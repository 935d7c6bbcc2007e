// The About box: the program's icon and title line, and an OK button that
// closes it.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    void okbtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TAboutBox> ui_;
};
