// Encoding by typing and clicking, the error box, and the About box.
#include "windowtest.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using kelvane::Hue;

class EncodingTest : public WindowTest {
    Q_OBJECT

    void type(const QString& entry)
    {
        auto* edit = h.child<QLineEdit>("Entervalue");
        edit->clear();
        QTest::keyClicks(edit, entry);
    }

    QString bands(int count) const
    {
        QStringList names;
        for (int band = 1; band <= count; ++band) {
            const auto hue = kelvane::hueOf(h.ring(band)->colourValue());
            names << (hue ? colourName(*hue) : QStringLiteral("empty"));
        }
        return names.join(QLatin1Char(' '));
    }

private slots:

    void byTyping_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("bandcount");
        QTest::addColumn<bool>("nearest");
        QTest::addColumn<bool>("capacitor");
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("bands");
        QTest::addColumn<QString>("shown");
        QTest::newRow("4700 ohm") << "4700"
                                  << "ohm" << 4 << true << false << "4700"
                                  << "Yellow Violet Red"
                                  << "4,7 Kohm";
        QTest::newRow("4700 ohm, 5 bands") << "4700"
                                           << "ohm" << 5 << true << false << "4700"
                                           << "Yellow Violet Black Brown"
                                           << "4,7 Kohm";
        QTest::newRow("1 ohm, 5 bands") << "1"
                                        << "ohm" << 5 << false << false << "1"
                                        << "Brown Black Black Silver"
                                        << "1 ohm";
        QTest::newRow("994 nearest") << "994"
                                     << "ohm" << 4 << true << false << "994"
                                     << "White White Brown"
                                     << "990 ohm";
        QTest::newRow("994 up") << "994"
                                << "ohm" << 4 << false << false << "994"
                                << "Brown Black Red"
                                << "1 Kohm";
        QTest::newRow("4710 up") << "4710"
                                 << "ohm" << 4 << false << false << "4710"
                                 << "Yellow Gray Red"
                                 << "4,8 Kohm";
        QTest::newRow("47 Kohm") << "47"
                                 << "Kohm" << 4 << true << false << "47000"
                                 << "Yellow Violet Orange"
                                 << "47 Kohm";
        QTest::newRow("990 Mohm, 5 bands") << "990"
                                           << "Mohm" << 5 << true << false << "990000000"
                                           << "White White Black Blue"
                                           << "990 Mohm";
        QTest::newRow("47 nF") << "47"
                               << "Kohm" << 4 << true << true << "47000"
                               << "Yellow Violet Orange"
                               << "47 nF";
        QTest::newRow("2 uF") << "2"
                              << "Mohm" << 4 << true << true << "2000000"
                              << "Red Black Green"
                              << "2 \u00B5F";
        QTest::newRow("hex 47") << "$2F"
                                << "ohm" << 4 << true << false << "47"
                                << "Yellow Violet Black"
                                << "47 ohm";
        QTest::newRow("leading space and zeros") << " 0047"
                                                 << "ohm" << 4 << true << false << "47"
                                                 << "Yellow Violet Black"
                                                 << "47 ohm";
    }
    void byTyping()
    {
        QFETCH(QString, entry);
        QFETCH(QString, unit);
        QFETCH(int, bandcount);
        QFETCH(bool, nearest);
        QFETCH(bool, capacitor);
        QFETCH(QString, actual);
        QFETCH(QString, bands);
        QFETCH(QString, shown);
        if (capacitor)
            QTest::keyClick(h.main(), Qt::Key_C, Qt::ControlModifier);
        if (bandcount == 5)
            Harness::click(h.child("N5colorrings"));
        Harness::click(h.child(unit.toLatin1().constData()));
        if (!nearest)
            Harness::click(h.child("round"));
        QCOMPARE(h.child<QCheckBox>("round")->isChecked(), nearest);
        type(entry);
        const BoxSeen box = h.calculate();
        QVERIFY(!box.shown);
        QCOMPARE(h.child<QLabel>("actualvalue")->text(), actual);
        QCOMPARE(this->bands(bandcount - 1), bands);
        QCOMPARE(h.shown(), shown);
        QCOMPARE(h.child<QLineEdit>("Entervalue")->text(), entry); // the entry stays
        QCOMPARE(h.main()->bandState().bandcount, bandcount);
    }

    void enterKeyCalculates()
    {
        type(QStringLiteral("4700"));
        QTest::keyClick(h.child("Entervalue"), Qt::Key_Return);
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
    }

    void rejectedEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("unit");
        QTest::newRow("empty") << ""
                               << "ohm";
        QTest::newRow("letters") << "abc"
                                 << "ohm";
        QTest::newRow("decimal point") << "4.7"
                                       << "ohm";
        QTest::newRow("decimal comma") << "4,7"
                                       << "ohm";
        QTest::newRow("trailing space") << "47 "
                                        << "ohm";
        QTest::newRow("unit letter") << "4k7"
                                     << "ohm";
        QTest::newRow("zero") << "0"
                              << "ohm";
        QTest::newRow("minus five") << "-5"
                                    << "ohm";
        QTest::newRow("one past ohm") << "990000001"
                                      << "ohm";
        QTest::newRow("one past Kohm") << "990001"
                                       << "Kohm";
        QTest::newRow("one past Mohm") << "991"
                                       << "Mohm";
        QTest::newRow("past 32 bits") << "2147483648"
                                      << "ohm";
        QTest::newRow("hex past 32 bits") << "$FFFFFFFF"
                                          << "ohm";
        QTest::newRow("eleven digits") << "99999999999"
                                       << "ohm";
        QTest::newRow("full-width digits") << "\uFF14\uFF17"
                                           << "ohm";
        QTest::newRow("Arabic-Indic digits") << "\u0664\u0667"
                                             << "ohm";
        QTest::newRow("very long") << QString(5000, QLatin1Char('7')) << "ohm";
    }
    void rejectedEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, unit);
        // Something to keep: an accepted run first.
        type(QStringLiteral("4700"));
        QVERIFY(!h.calculate().shown);
        const kelvane::BandState before = h.main()->bandState();
        const QString shownBefore = h.shown();
        Harness::click(h.child(unit.toLatin1().constData()));
        auto* edit = h.child<QLineEdit>("Entervalue");
        edit->setMaxLength(32767);
        edit->setText(entry); // as typed or pasted
        const BoxSeen box = h.calculate();
        QVERIFY(box.shown);
        QCOMPARE(box.title, QStringLiteral("Error converting componentvalue"));
        QCOMPARE(box.text, QStringLiteral("Componentvalue must be a number between 1 and 990M"));
        QCOMPARE(box.buttons, 1);
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(h.child<QLabel>("actualvalue")->text(), QStringLiteral("4700"));
        const kelvane::BandState after = h.main()->bandState();
        QVERIFY(after.ring == before.ring);
        QCOMPARE(after.digit1, before.digit1);
        QCOMPARE(after.digit2, before.digit2);
        QCOMPARE(after.digit3, before.digit3);
        QCOMPARE(after.digit4, before.digit4);
        QCOMPARE(h.shown(), shownBefore);
    }

    // After Calculate the next refresh must not put the dialog's last pick
    // back over the encoded bands.
    void encodedBandsSurviveTheNextCycle()
    {
        colourBand(1, "brown");
        colourBand(2, "black");
        colourBand(3, "orange");
        type(QStringLiteral("4700"));
        h.calculate();
        QCOMPARE(bands(3), QStringLiteral("Yellow Violet Red"));
        QCOMPARE(h.main()->bandState().curband, 0);
        h.child<QComboBox>("Tolerance")->setCurrentIndex(2); // runs the cycle
        QCOMPARE(bands(3), QStringLiteral("Yellow Violet Red"));
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        // The same after a switch to four bands that emptied band 3.
        Harness::click(h.child("N5colorrings"));
        colourBand(3, "white");
        colourBand(4, "red");
        Harness::click(h.child("N4colorrings"));
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));
        h.calculate();
        QCOMPARE(bands(3), QStringLiteral("Yellow Violet Red"));
        h.main()->findChild<QAction*>(QStringLiteral("About1"))->trigger();
        WAIT_UNTIL(h.w.AboutBox->isActiveWindow());
        h.w.AboutBox->close();
        WAIT_UNTIL(h.main()->isActiveWindow());
        QCOMPARE(bands(3), QStringLiteral("Yellow Violet Red"));
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
    }

    void aboutBox()
    {
        TAboutBox* about = h.w.AboutBox;
        QCOMPARE(about->size(), QSize(280, 207));
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QVERIFY(about->windowFlags().testFlag(Qt::Tool));
        auto* label1 = about->findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(label1->text(), QStringLiteral("Resistor and capacitor Kelvane v2.11"));
        QVERIFY(label1->wordWrap());
        QVERIFY(label1->heightForWidth(label1->width()) <= label1->height());
        auto* label2 = about->findChild<QLabel*>(QStringLiteral("Label2"));
        QVERIFY(!label2->text().isEmpty());
        QVERIFY(QFontMetrics(label2->font()).horizontalAdvance(label2->text()) <= label2->width());
        auto* image = about->findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(image->pixmap().size(), QSize(32, 32));
        QCOMPARE(image->geometry(), QRect(24, 18, 33, 33));
        auto* ok = about->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QVERIFY(!ok->icon().isNull());
        QCOMPARE(ok->geometry(), QRect(88, 176, 97, 25));

        auto* item = h.main()->findChild<QAction*>(QStringLiteral("About1"));
        for (const char* how : {"OK", "close box", "Enter"}) {
            item->trigger();
            WAIT_UNTIL(about->isActiveWindow());
            h.main()->activateWindow(); // the main window stays usable
            WAIT_UNTIL(h.main()->isActiveWindow());
            item->trigger(); // the same box comes to the front
            WAIT_UNTIL(about->isActiveWindow());
            QCOMPARE(h.main()->findChildren<TAboutBox*>().size(), 1);
            const int before = h.activations->count();
            if (QByteArray(how) == "OK")
                Harness::click(ok);
            else if (QByteArray(how) == "Enter")
                QTest::keyClick(about, Qt::Key_Return);
            else
                about->close();
            QVERIFY2(waitedFor([this] { return h.main()->isActiveWindow(); }, "the main window active"), how);
            QVERIFY(!about->isVisible());
            QVERIFY(idle());
            QCOMPARE(h.activations->count(), before + 1);
        }
    }
};

QTEST_MAIN(EncodingTest)
#include "tst_encoding.moc"
