#pragma once

#include "ui/formactivate.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "Névjegy": name, pictures, version and the contact mail link. Built at
// every opening and discarded when closed.
class AboutDialog : public WithFormActivate<QDialog> {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    static const QString kContactAddress;

    QLabel *Picture1;  // banner
    QLabel *Picture2;  // calculator photograph
    QLabel *Label2;    // title
    QLabel *Label3;    // version
    QLabel *Label4;    // copyright and licence
    QLabel *Label1;    // legal notice, several lines
    QPushButton *Command1;
    QPushButton *Label5;  // mail link: a flat key showing the address

    void Form_Load();
    void Form_Activate() override;
    void Command1_Click();
    void Label5_Click();
};
