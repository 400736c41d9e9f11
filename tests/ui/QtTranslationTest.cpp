// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialog texts follow the user's language: Thai from the program's translation.

#include "ui/translations/QtTranslation.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

bool HasThai(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.unicode() >= 0x0E00 && c.unicode() <= 0x0E7F; });
}

} // namespace

class QtTranslationTest : public QObject {
  Q_OBJECT
private slots:
  void standardButtons_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("thai");
    QTest::newRow("Thai") << QStringLiteral("th_TH") << true;
    QTest::newRow("English") << QStringLiteral("en_US") << false;
    QTest::newRow("German, Qt's own") << QStringLiteral("de_DE") << false;
  }
  void standardButtons() {
    QFETCH(QString, locale);
    QFETCH(bool, thai);
    const ui::QtTranslation translation(QLocale(locale),
                                        QStringLiteral(PIPECOLUMN_BUILT_TRANSLATIONS));
    QCOMPARE(translation.installed(), locale != QStringLiteral("en_US"));
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("t"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDetailedText(QStringLiteral("details"));
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) {
      texts << button->text();
      QCOMPARE(HasThai(button->text()), thai);
    }
    QCOMPARE(texts.size(), 4); // the three standard buttons and Show Details
    if (locale == QStringLiteral("de_DE")) {
      QVERIFY(texts.contains(QStringLiteral("Speichern")));
    }
  }
  void englishAgainOnceGone() {
    {
      const ui::QtTranslation thai(QLocale(QStringLiteral("th_TH")),
                                   QStringLiteral(PIPECOLUMN_BUILT_TRANSLATIONS));
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("t"),
                    QMessageBox::Save);
    QCOMPARE(box.button(QMessageBox::Save)->text(), QStringLiteral("Save"));
  }
};

int RunQtTranslationTest(int argc, char** argv) {
  QtTranslationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "QtTranslationTest.moc"
