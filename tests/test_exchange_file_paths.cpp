// The two "..." buttons of the Data exchange page.

#include "test_exchange_page.h"

#include "base/failure.h"

namespace {
const QString openTitle = QStringLiteral("Select CSV file for opening");
const QString openFilter = QStringLiteral("CSV files (*.csv)|*.csv|All files|*.*");
const QString saveTitle = QStringLiteral("Select CSV file for saving");
const QString saveFilter = QStringLiteral("CSV file (*.csv)|*.csv|All files|*.*");

// A file dialog that breaks down instead of answering.
class BrokenFileDialogs : public FakeDialogs {
public:
    QString chooseFileToOpen(const QString&, const QString&) override { throw failure; }
    QString chooseFileToSave(const QString&, const QString&, Replacing) override { throw failure; }
    Failure failure{FailureNumber::FileAccessError, QStringLiteral("Path/File access error")};
};
} // namespace

class TestExchangeFilePaths : public QObject {
    Q_OBJECT
private slots:
    void eachButtonFillsOnlyItsOwnField();
    void pathIsTakenAsChosen();
    void cancelKeepsBothPathsSilently();
    void otherFailureShowsDescriptionAndNumber();
};

void TestExchangeFilePaths::eachButtonFillsOnlyItsOwnField()
{
    ExchangePage page;
    page.form().PfadSpeichern->setText(QStringLiteral("/old/records.csv"));
    page.form().PfadLaden->setText(QStringLiteral("/old/codes.csv"));

    page.h.fakes.dialogs.chosenFiles.push_back(QStringLiteral("/data/new codes.csv"));
    page.click(page.form().PfadLadenWaehlen);
    QCOMPARE(page.form().PfadLaden->text(), QStringLiteral("/data/new codes.csv"));
    QCOMPARE(page.form().PfadSpeichern->text(), QStringLiteral("/old/records.csv"));

    page.h.fakes.dialogs.chosenFiles.push_back(QStringLiteral("/data/records.csv"));
    page.click(page.form().PfadSpeichernWaehlen);
    QCOMPARE(page.form().PfadSpeichern->text(), QStringLiteral("/data/records.csv"));
    QCOMPARE(page.form().PfadLaden->text(), QStringLiteral("/data/new codes.csv"));

    const auto& requests = page.h.fakes.dialogs.fileRequests;
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0].save, false);
    QCOMPARE(requests[0].title, openTitle);
    QCOMPARE(requests[0].filter, openFilter);
    QCOMPARE(requests[1].save, true);
    QCOMPARE(requests[1].title, saveTitle);
    QCOMPARE(requests[1].filter, saveFilter);
    QVERIFY(page.messages().isEmpty());
}

void TestExchangeFilePaths::pathIsTakenAsChosen()
{
    ExchangePage page;
    page.h.fakes.dialogs.chosenFiles.push_back(QStringLiteral("/data/records"));
    page.click(page.form().PfadSpeichernWaehlen);
    QCOMPARE(page.form().PfadSpeichern->text(), QStringLiteral("/data/records"));
}

void TestExchangeFilePaths::cancelKeepsBothPathsSilently()
{
    ExchangePage page;
    page.form().PfadSpeichern->setText(QStringLiteral("/old/records.csv"));
    page.form().PfadLaden->setText(QStringLiteral("/old/codes.csv"));

    page.click(page.form().PfadLadenWaehlen); // no chosen file: the dialog is cancelled
    page.click(page.form().PfadSpeichernWaehlen);

    QCOMPARE(page.h.fakes.dialogs.fileRequests.size(), 2);
    QCOMPARE(page.form().PfadLaden->text(), QStringLiteral("/old/codes.csv"));
    QCOMPARE(page.form().PfadSpeichern->text(), QStringLiteral("/old/records.csv"));
    QVERIFY(page.messages().isEmpty());
}

void TestExchangeFilePaths::otherFailureShowsDescriptionAndNumber()
{
    FakePlatform fakes;
    BrokenFileDialogs dialogs;
    Platform platform{fakes.port, fakes.clock, dialogs, fakes.settings, fakes.devices};
    MainWindow window(platform);
    Form1& form = window.form();
    form.FrameUebertragen->setEnabled(true);
    form.PfadLaden->setText(QStringLiteral("/old/codes.csv"));
    form.PfadSpeichern->setText(QStringLiteral("/old/records.csv"));

    QTest::mouseClick(form.PfadLadenWaehlen, Qt::LeftButton);
    QTest::mouseClick(form.PfadSpeichernWaehlen, Qt::LeftButton);

    // The description directly followed by the number, no separator.
    QCOMPARE(dialogs.texts(), QStringList(2, QStringLiteral("Path/File access error75")));
    QCOMPARE(dialogs.shown[0].title, applicationTitle);
    QCOMPARE(dialogs.shown[0].buttons, MessageButtons::Ok);
    QCOMPARE(form.PfadLaden->text(), QStringLiteral("/old/codes.csv"));
    QCOMPARE(form.PfadSpeichern->text(), QStringLiteral("/old/records.csv"));
}

QTEST_MAIN(TestExchangeFilePaths)
#include "test_exchange_file_paths.moc"
