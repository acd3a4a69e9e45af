#include "utils.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using vorpa::MessageButton;
using vorpa::MessageKind;

Q_DECLARE_METATYPE(vorpa::MessageKind)
Q_DECLARE_METATYPE(vorpa::MessageButton)
Q_DECLARE_METATYPE(vorpa::BeepKind)

namespace {

constexpr vorpa::MessageButtons AllButtons = (1u << 12) - 1;

// Waits for the modal box, lets the check look at it, then presses the button with the caption,
// or Enter when the caption is empty.
void answerBox(std::function<void(QMessageBox *)> check, const QString &caption)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, check, caption] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        check(box);
        if (caption.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == caption) {
                button->click();
                return;
            }
        }
        box->reject();
    });
    timer->start();
}

QStringList captionsOf(const QMessageBox *box)
{
    QStringList captions;
    for (const QAbstractButton *button : box->buttons())
        captions << button->text();
    captions.sort();
    return captions;
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        vorpa::setBeepHandler([this](vorpa::BeepKind kind) { beeps << kind; });
        beeps.clear();
    }
    void cleanup() { vorpa::setBeepHandler({}); }

    void realBox_data()
    {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<uint>("buttons");
        QTest::addColumn<MessageButton>("defaultButton");
        QTest::addColumn<QString>("press"); // empty: Enter
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("title");
        QTest::addColumn<vorpa::BeepKind>("beep");

        QTest::newRow("warning, OK") << MessageKind::Warning << uint(vorpa::OkButton) << MessageButton::Ok << "Tamam"
                                     << QStringList{"Tamam"} << 1 << "Uyarı" << vorpa::BeepKind::Exclamation;
        QTest::newRow("error, OK with default Yes")
            << MessageKind::Error << uint(vorpa::OkButton) << MessageButton::Yes << "Tamam" << QStringList{"Tamam"}
            << 1 << "Hata" << vorpa::BeepKind::Hand;
        QTest::newRow("information, Enter") << MessageKind::Information << uint(vorpa::OkButton) << MessageButton::Ok
                                            << "" << QStringList{"Tamam"} << 1 << "Bilgi" << vorpa::BeepKind::Asterisk;
        QTest::newRow("question, Enter on Yes")
            << MessageKind::Confirmation << uint(vorpa::YesNoButtons) << MessageButton::Yes << ""
            << QStringList{"Evet", "Hayır"} << 6 << "Soru" << vorpa::BeepKind::Question;
        QTest::newRow("question, Enter on No")
            << MessageKind::Confirmation << uint(vorpa::YesNoButtons) << MessageButton::No << ""
            << QStringList{"Evet", "Hayır"} << 7 << "Soru" << vorpa::BeepKind::Question;
        QTest::newRow("question, No pressed")
            << MessageKind::Confirmation << uint(vorpa::YesNoButtons) << MessageButton::Yes << "Hayır"
            << QStringList{"Evet", "Hayır"} << 7 << "Soru" << vorpa::BeepKind::Question;
        const QStringList all{"Atla", "Evet", "Hayır", "Kapat", "Tamam", "Tekrar", "Tümü", "Tümüne Evet",
                              "Tümüne Hayır", "Vazgeç", "Yardım", "İptal"};
        const QList<std::pair<QString, int>> results{{"Evet", 6},  {"Hayır", 7},        {"Tamam", 1},
                                                     {"Vazgeç", 2}, {"İptal", 3},        {"Tekrar", 4},
                                                     {"Atla", 5},   {"Tümü", 8},         {"Tümüne Hayır", 9},
                                                     {"Tümüne Evet", 10}, {"Kapat", 11}, {"Yardım", 0}};
        for (const auto &[caption, result] : results) {
            QTest::addRow("all buttons, %s", qPrintable(caption))
                << MessageKind::Warning << uint(AllButtons) << MessageButton::Ok << caption << all << result << "Uyarı"
                << vorpa::BeepKind::Exclamation;
        }
    }

    void realBox()
    {
        QFETCH(MessageKind, kind);
        QFETCH(uint, buttons);
        QFETCH(MessageButton, defaultButton);
        QFETCH(QString, press);
        QFETCH(QStringList, captions);
        QFETCH(int, result);
        QFETCH(QString, title);
        QFETCH(vorpa::BeepKind, beep);

        QStringList seenCaptions;
        QString seenTitle, seenDefault, seenText;
        answerBox(
            [&](QMessageBox *box) {
                seenCaptions = captionsOf(box);
                seenTitle = box->windowTitle();
                seenText = box->text();
                seenDefault = box->defaultButton() ? box->defaultButton()->text() : QString();
            },
            press);
        const int answer = ShowTurkishMessage("Bir ileti", kind, buttons, defaultButton);
        QCOMPARE(answer, result);
        QCOMPARE(seenCaptions, captions);
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenText, QStringLiteral("Bir ileti"));
        if (buttons & vorpa::buttonBit(defaultButton))
            QCOMPARE(seenDefault, vorpa::buttonCaption(defaultButton));
        QCOMPARE(beeps, QList<vorpa::BeepKind>{beep});
    }

    void handlerSeesTheRequestAndAnswers()
    {
        QList<vorpa::MessageRequest> seen;
        const auto old = vorpa::setMessageHandler([&](const vorpa::MessageRequest &request) {
            seen << request;
            return vorpa::ModalResult::No;
        });
        const int answer = ShowTurkishMessage("Silinsin mi ?", MessageKind::Confirmation, vorpa::YesNoButtons,
                                              MessageButton::Yes);
        vorpa::ShowPlainMessage("düz");
        vorpa::setMessageHandler(old);
        QCOMPARE(answer, vorpa::ModalResult::No);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].title, QStringLiteral("Soru"));
        QCOMPARE(seen[0].text, QStringLiteral("Silinsin mi ?"));
        QCOMPARE(seen[0].kind, std::optional<MessageKind>(MessageKind::Confirmation));
        QCOMPARE(seen[0].buttons, vorpa::YesNoButtons);
        QCOMPARE(seen[0].defaultButton, MessageButton::Yes);
        QCOMPARE(seen[1].kind, std::nullopt);
        QCOMPARE(seen[1].text, QStringLiteral("düz"));
        // Only the Turkish box beeps by itself.
        QCOMPARE(beeps, QList<vorpa::BeepKind>{vorpa::BeepKind::Question});
    }

private:
    QList<vorpa::BeepKind> beeps;
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
