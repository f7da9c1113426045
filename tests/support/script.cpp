#include "support/script.h"

#include "ui/calculatorwindow.h"
#include "core/module1.h"
#include "support/typing.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace testscript {
namespace {

QPushButton *findKey(CalculatorWindow &w, const QString &word)
{
    static const QHash<QString, QString> shortNames{
        {"n!", "n !"},  {"lg", "lg x"},   {"ln", "ln x"},         {"sin", "sin x"},      {"cos", "cos x"},
        {"tg", "tg x"}, {"ctg", "ctg x"}, {"pow", "Hatványozás"}, {"root", "Gyökvonás"}, {"CLR", "C"}};
    bool isDigit = false;
    const int digit = word.toInt(&isDigit, 16);
    if (word.size() == 1 && isDigit && digit < int(w.Command2.size()))
        return w.Command2[size_t(digit)];
    if (word == QLatin1String("CLR"))
        return w.Command6;
    const QString name = shortNames.value(word, word);
    for (QPushButton *key : w.findChildren<QPushButton *>())
        if (key->text() == name || (key->text().isEmpty() && key->accessibleName() == name))
            return key;
    return nullptr;
}

double *stateMember(Module1 &m, const QString &name)
{
    const QHash<QString, double *> members{
        {"memoria", &m.memoria}, {"szam1", &m.szam1}, {"szam2", &m.szam2}, {"eredmeny", &m.eredmeny}};
    return members.value(name);
}

}  // namespace

QString run(CalculatorWindow &w, Module1 &m, const QString &script)
{
    for (const QString &word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString argument = word.mid(word.indexOf(QLatin1Char(':')) + 1);
        if (word.startsWith(QLatin1String("t:"))) {
            testkeys::type(w.Text1, argument);
        } else if (word.startsWith(QLatin1String("kp:"))) {
            testkeys::keypad(w.Text1, argument.isEmpty() ? QChar('\r') : argument.at(0));
        } else if (word.startsWith(QLatin1String("nk:"))) {
            testkeys::nativeKeypad(w.Text1, argument.isEmpty() ? QChar('\r') : argument.at(0));
        } else if (word == QLatin1String("enter")) {
            QTest::keyClick(w.Text1, Qt::Key_Return);
        } else if (word == QLatin1String("home") || word == QLatin1String("del")) {
            QTest::keyClick(w.Text1, word == QLatin1String("home") ? Qt::Key_Home : Qt::Key_Delete);
        } else if (word.startsWith(QLatin1String("b:")) || word.startsWith(QLatin1String("o:"))) {
            QRadioButton *option = nullptr;
            for (QRadioButton *candidate : w.findChildren<QRadioButton *>())
                option = candidate->text() == argument ? candidate : option;
            if (!option || !option->isEnabled())
                return QStringLiteral("no usable base option in \"%1\"").arg(word);
            word.startsWith(QLatin1String("b:")) ? option->click() : option->setChecked(true);
        } else if (word == QLatin1String("activate")) {
            w.show();
            QApplication::setActiveWindow(&w);
            if (!w.isActiveWindow())
                return QStringLiteral("the window did not become active");
        } else if (word.size() > 1 && word.contains(QLatin1Char('='))) {
            double *member = stateMember(m, word.section(QLatin1Char('='), 0, 0));
            if (!member)
                return QStringLiteral("no state member in \"%1\"").arg(word);
            *member = word.section(QLatin1Char('='), 1).toDouble();
        } else {
            QPushButton *key = findKey(w, word);
            if (!key)
                return QStringLiteral("no key \"%1\"").arg(word);
            if (!key->isEnabled())
                return QStringLiteral("key \"%1\" is locked").arg(word);
            QTest::mouseClick(key, Qt::LeftButton);
        }
    }
    return QString();
}

}  // namespace testscript
