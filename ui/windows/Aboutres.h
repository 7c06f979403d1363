// The About box: the program's name, version and a notice.
#pragma once

#include <QDialog>

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent);

private:
    void okbtnClick();
};
