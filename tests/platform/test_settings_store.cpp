#include "platform/SettingsStore.h"

#include "EnvironmentOverride.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <string>

using lunetra::platform::SettingsStore;

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_directory.isValid());
#if !defined(_WIN32) && !defined(__APPLE__)
        // The user's own store follows XDG_CONFIG_HOME; it is pointed here before any store is
        // opened, so that even a run outside the test driver leaves the user's settings alone.
        m_configHome = std::make_unique<EnvironmentOverride>(
            "XDG_CONFIG_HOME", QFile::encodeName(m_directory.filePath(QStringLiteral("config"))));
#endif
    }

    void storesAndReadsBack_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("date") << QStringLiteral("2024-02-29");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks around") << QStringLiteral("  a b  ");
        QTest::newRow("comma") << QStringLiteral("a, b");
        QTest::newRow("ini syntax") << QStringLiteral("[Settings]\nkey=value;comment #x");
        QTest::newRow("quotes and backslashes") << QStringLiteral(R"("q" 'q' \ \\ \n)");
        QTest::newRow("CR LF and tab") << QStringLiteral("a\r\nb\tc");
        QTest::newRow("non-ASCII letters") << QStringLiteral("Zoë Ünal 日本");
        QTest::newRow("looks like a stored variant") << QStringLiteral("@Variant(\\0\\0\\0\\x7f)");
        QTest::newRow("looks like a stored nothing") << QStringLiteral("@Invalid()");
    }

    void storesAndReadsBack() {
        QFETCH(QString, value);
        const std::string path =
            m_directory.filePath(QStringLiteral("round-trip.ini")).toStdString();
        const std::string text = value.toStdString();
        {
            SettingsStore store = SettingsStore::atFile(path);
            store.write("Settings", "ReminderDate", text);
            QCOMPARE(store.read("Settings", "ReminderDate"), text);
        }
        // A store opened afresh reads what the first one wrote.
        const SettingsStore reopened = SettingsStore::atFile(path);
        QCOMPARE(reopened.read("Settings", "ReminderDate"), text);
    }

    void absentValuesReadEmpty() {
        const std::string path = m_directory.filePath(QStringLiteral("absent.ini")).toStdString();
        const SettingsStore fresh = SettingsStore::atFile(path);
        QCOMPARE(fresh.read("Settings", "ReminderDate"), std::string());
        QVERIFY(!QFile::exists(QString::fromStdString(path)));

        SettingsStore store = SettingsStore::atFile(path);
        store.write("Settings", "ReminderDate", "2024-01-01");
        QCOMPARE(store.read("Settings", "OtherKey"), std::string());
        QCOMPARE(store.read("Other", "ReminderDate"), std::string());
    }

    void keysOfOneSectionAreIndependent() {
        const std::string path = m_directory.filePath(QStringLiteral("keys.ini")).toStdString();
        SettingsStore store = SettingsStore::atFile(path);
        store.write("Settings", "A", "1");
        store.write("Settings", "B", "2");
        store.write("Other", "A", "3");
        store.write("Settings", "A", "4");
        QCOMPARE(store.read("Settings", "A"), std::string("4"));
        QCOMPARE(store.read("Settings", "B"), std::string("2"));
        QCOMPARE(store.read("Other", "A"), std::string("3"));
    }

    void movedStoreKeepsWorking() {
        const std::string path = m_directory.filePath(QStringLiteral("moved.ini")).toStdString();
        SettingsStore first = SettingsStore::atFile(path);
        first.write("Settings", "A", "1");
        SettingsStore second = std::move(first);
        QCOMPARE(second.read("Settings", "A"), std::string("1"));
        SettingsStore third =
            SettingsStore::atFile(m_directory.filePath(QStringLiteral("other.ini")).toStdString());
        third = std::move(second);
        third.write("Settings", "B", "2");
        QCOMPARE(SettingsStore::atFile(path).read("Settings", "B"), std::string("2"));
    }

    void unwritableStoreThrows_data() {
        QTest::addColumn<QString>("relativePath");
        // Neither can be written even with every permission, so this holds for any user.
        QTest::newRow("path is a folder") << QStringLiteral("a-folder");
        QTest::newRow("folder is a file") << QStringLiteral("a-file/settings.ini");
    }

    void unwritableStoreThrows() {
        QFETCH(QString, relativePath);
        QVERIFY(QDir(m_directory.path()).mkpath(QStringLiteral("a-folder")));
        QFile file(m_directory.filePath(QStringLiteral("a-file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        SettingsStore store =
            SettingsStore::atFile(m_directory.filePath(relativePath).toStdString());
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 store.write("Settings", "ReminderDate", "2024-01-01"));
    }

    void userStoreIsKeptPerApplicationName() {
#if defined(_WIN32) || defined(__APPLE__)
        QSKIP("The user's store cannot be redirected here.");
#endif
        const std::string name = "lunetra-settings-test";
        {
            SettingsStore store(name);
            QCOMPARE(store.read("Settings", "ReminderDate"), std::string());
            store.write("Settings", "ReminderDate", "2024-05-06");
        }
        QCOMPARE(SettingsStore(name).read("Settings", "ReminderDate"), std::string("2024-05-06"));
        QCOMPARE(SettingsStore(name + "-other").read("Settings", "ReminderDate"), std::string());
        QVERIFY(QFile::exists(
            m_directory.filePath(QStringLiteral("config/lunetra-settings-test.conf"))));
    }

private:
    QTemporaryDir m_directory;
    std::unique_ptr<EnvironmentOverride> m_configHome;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
