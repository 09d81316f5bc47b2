#include "vantor/ui/KeyStore.hpp"
#include "tests/support/ErrorOf.hpp"
#include "tests/support/Files.hpp"
#include "vantor/automation/AutomationError.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

using namespace vantor;
using namespace vantor::test;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

constexpr const char* Settings = "HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002\\Tabo\\CFGS";

class KeyStoreTest : public FolderTest {
protected:
    fs::path File() const { return m_folder / "registry.reg"; }
};

using KeyStoreValues = KeyStoreTest;
using KeyStoreKeys = KeyStoreTest;
using KeyStoreFormat = KeyStoreTest;
using KeyStoreSafety = KeyStoreTest;

} // namespace

TEST_F(KeyStoreValues, TextsRoundTripInFullThroughTheFile) {
    const std::string longText = std::string(300, 'x') + "\\\"ä\"\\" + std::string(40, 'y');
    KeyStore(File()).CreateKey(Settings).SetString("Book.BackupPath", "C:\\Temp\\\"quoted\"");
    {
        RegistryKey key = KeyStore(File()).OpenKey(Settings, KeyAccess::Write);
        key.SetString("App.DefaultBookName", "Größe %1 日本");
        key.SetString("Long", longText);
        key.SetString("", "the default");
        key.SetString("Empty", "");
    }
    const RegistryKey key = KeyStore(File()).OpenKey(Settings, KeyAccess::Read);
    EXPECT_EQ(key.QueryString("Book.BackupPath"), "C:\\Temp\\\"quoted\"");
    EXPECT_EQ(key.QueryString("App.DefaultBookName"), "Größe %1 日本");
    EXPECT_EQ(key.QueryString("Long"), longText);
    EXPECT_EQ(key.QueryString(""), "the default");
    EXPECT_EQ(key.QueryString("Empty"), "");
    EXPECT_EQ(key.QueryString("Missing"), std::nullopt);

    const std::string text = ReadText(File());
    EXPECT_TRUE(text.starts_with("REGEDIT4\n\n")) << text;
    EXPECT_NE(text.find("\n\"Book.BackupPath\"=\"C:\\\\Temp\\\\\\\"quoted\\\"\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n@=\"the default\"\n"), std::string::npos) << text;
}

TEST_F(KeyStoreValues, NamesMatchWithoutRegardToCaseAndKeepTheirFirstSpelling) {
    const KeyStore store(File());
    store.CreateKey("HKEY_CURRENT_USER\\Software\\Ärger").SetString("Book.BackupPath", "one");
    RegistryKey key = store.OpenKey("hkey_current_user\\SOFTWARE\\ärger", KeyAccess::Write);
    key.SetString("BOOK.backuppath", "two");
    EXPECT_EQ(key.QueryString("book.BACKUPPATH"), "two");
    EXPECT_EQ(key.ValueNames(), std::vector<std::string>{"Book.BackupPath"});
    store.CreateKey("HKEY_CURRENT_USER\\SOFTWARE\\ÄRGER");
    EXPECT_EQ(store.SubkeyNames("HKEY_CURRENT_USER\\software"), std::vector<std::string>{"Ärger"});
}

TEST_F(KeyStoreValues, HandlesSeeOtherWritersAndKeepTheirAccess) {
    KeyStore(File()).CreateKey(Settings);
    RegistryKey reader = KeyStore(File()).OpenKey(Settings, KeyAccess::Read);
    KeyStore(File()).OpenKey(Settings, KeyAccess::Write).SetString("Book.BackupBeforeSave", "True");
    EXPECT_EQ(reader.QueryString("Book.BackupBeforeSave"), "True");

    EXPECT_EQ(ErrorOf([&] { reader.SetString("X", "1"); }), err::InvalidCall);
    EXPECT_EQ(ErrorOf([&] { reader.DeleteValue("Book.BackupBeforeSave"); }), err::InvalidCall);
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(ErrorOf([&] { reader.QueryString("Book.BackupBeforeSave"); }), err::InvalidCall);

    RegistryKey writer = KeyStore(File()).OpenKey(Settings, KeyAccess::Write);
    EXPECT_EQ(ErrorOf([&] { writer.SetString("Multi", "line\nbreak"); }), err::InvalidCall);
    EXPECT_TRUE(writer.DeleteValue("book.backupbeforesave"));
    EXPECT_FALSE(writer.DeleteValue("Book.BackupBeforeSave"));
    EXPECT_TRUE(writer.ValueNames().empty());
}

TEST_F(KeyStoreKeys, MissingKeysAndBadPathsRaise) {
    const KeyStore store(File());
    const AutomationError missing = RaisedBy([&] { store.OpenKey(Settings, KeyAccess::Read); });
    EXPECT_EQ(missing.Number(), err::ApplicationDefined);
    EXPECT_NE(missing.Description().find(Settings), std::string::npos) << missing.Description();
    EXPECT_EQ(ErrorOf([&] { store.DeleteKey(Settings); }), err::ApplicationDefined);
    EXPECT_FALSE(store.KeyExists(Settings));
    EXPECT_FALSE(fs::exists(File())) << "reading must not create the file";

    EXPECT_EQ(ErrorOf([&] { store.OpenKey("Software\\Corvane", KeyAccess::Read); }),
              err::InvalidCall);
    EXPECT_EQ(ErrorOf([&] { store.CreateKey("HKEY_CURRENT_USER\\\\Corvane"); }), err::InvalidCall);
    EXPECT_EQ(ErrorOf([&] { store.CreateKey("HKEY_CURRENT_USER\\Corvane\\"); }), err::InvalidCall);
    EXPECT_EQ(ErrorOf([&] { store.DeleteKey("HKEY_CURRENT_USER"); }), err::InvalidCall);
}

TEST_F(KeyStoreKeys, CreateKeyAddsTheFolderAndOnlyTheKeysOwnSection) {
    const KeyStore store(m_folder / "a" / "b" / "registry.reg");
    store.CreateKey("HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002");
    store.CreateKey("HKEY_CURRENT_USER\\Software\\Classes\\Vantor.Page\\CLSID").SetString("", "{1}");
    store.CreateKey("HKEY_CURRENT_USER\\Software\\Corvane");
    store.CreateKey("HKEY_CURRENT_USER\\Software\\Corvane\\Other");
    EXPECT_TRUE(store.KeyExists("HKEY_CURRENT_USER\\Software\\Classes\\Vantor.Page"));
    EXPECT_EQ(store.SubkeyNames("HKEY_CURRENT_USER\\Software"), (std::vector<std::string>{"Corvane", "Classes"}));
    EXPECT_EQ(ReadText(store.File()), "REGEDIT4\n\n"
                                      "[HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002]\n\n"
                                      "[HKEY_CURRENT_USER\\Software\\Classes\\Vantor.Page\\CLSID]\n"
                                      "@=\"{1}\"\n\n"
                                      "[HKEY_CURRENT_USER\\Software\\Corvane\\Other]\n");
}

TEST_F(KeyStoreKeys, DeleteKeyTakesSubkeysButNotSiblingsSharingAPrefix) {
    const KeyStore store(File());
    store.CreateKey("HKEY_CURRENT_USER\\A\\B\\C").SetString("v", "c");
    store.CreateKey("HKEY_CURRENT_USER\\A\\BC").SetString("v", "bc");
    RegistryKey deleted = store.CreateKey("HKEY_CURRENT_USER\\A\\B");
    deleted.SetString("v", "b");

    store.DeleteKey("hkey_current_user\\a\\b");
    EXPECT_FALSE(store.KeyExists("HKEY_CURRENT_USER\\A\\B"));
    EXPECT_FALSE(store.KeyExists("HKEY_CURRENT_USER\\A\\B\\C"));
    EXPECT_EQ(store.OpenKey("HKEY_CURRENT_USER\\A\\BC", KeyAccess::Read).QueryString("v"), "bc");
    EXPECT_EQ(store.SubkeyNames("HKEY_CURRENT_USER\\A"), std::vector<std::string>{"BC"});

    EXPECT_EQ(deleted.QueryString("v"), std::nullopt);
    EXPECT_EQ(ErrorOf([&] { deleted.SetString("v", "again"); }), err::ApplicationDefined);
    EXPECT_FALSE(store.KeyExists("HKEY_CURRENT_USER\\A\\B")) << "a write through a stale handle revived the key";
}

TEST_F(KeyStoreFormat, ReadsHandWrittenFilesAndKeepsOtherValueKinds) {
    const std::string flag = "\"Flag\"=dword:00000001";
    const std::string blob = "\"Blob\"=hex:01,02,03,\\\r\n  04,05";
    // Expandable strings are UTF-16LE bytes up to a NUL.
    const std::string expandable = "\"Expand\"=hex(2):43,00,3a,00,5c,00,e4,00,\\\r\n  00,00,41,00\r\n"
                                   "\"Odd\"=hex(2):43,00,3\r\n";
    const std::string head = "REGEDIT4\r\n\r\n; exported by hand\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Corvane\\Ovrin2002\\Tabo\\CFGS]\r\n" +
                             flag + "\r\n" + blob + "\r\n" + expandable + "\"Book.BackupPath\" = \"D:\\\\Backup\"\r\n@=\"x\"\r\n";
    WriteText(File(), head);
    const KeyStore store(File());
    EXPECT_TRUE(store.KeyExists("HKEY_CURRENT_USER\\Software\\Corvane")) << "parents exist through their subkeys";
    RegistryKey key = store.OpenKey(Settings, KeyAccess::Write);
    EXPECT_EQ(key.QueryString("Book.BackupPath"), "D:\\Backup");
    EXPECT_EQ(key.QueryString("Flag"), std::nullopt);
    EXPECT_EQ(key.QueryString("Blob"), std::nullopt);
    EXPECT_EQ(key.QueryString("Expand"), "C:\\\u00e4");
    EXPECT_EQ(key.QueryString("Odd"), std::nullopt);
    EXPECT_EQ(key.ValueNames(), (std::vector<std::string>{"Flag", "Blob", "Expand", "Odd", "Book.BackupPath", ""}));

    key.SetString("App.DefaultBookName", "Book %1");
    EXPECT_EQ(ReadText(File()), head + "\"App.DefaultBookName\"=\"Book %1\"\r\n");
    EXPECT_EQ(key.QueryString("App.DefaultBookName"), "Book %1");

    key.SetString("flag", "now a string");
    EXPECT_EQ(key.QueryString("Flag"), "now a string");
    EXPECT_EQ(ReadText(File()).find("dword"), std::string::npos);
}

TEST_F(KeyStoreFormat, ASaveChangesOnlyTheLinesOfTheValuesItWrites) {
    struct Case {
        std::string name;
        std::string before;
        std::string after;
    };
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<Case> cases = {
        {"comments, CRLF and a byte order mark stay",
         bom + "REGEDIT4\r\n\r\n; mine\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"old\"\r\n; inside\r\n\r\n",
         bom + "REGEDIT4\r\n\r\n; mine\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"new\"\r\n\"w\"=\"added\"\r\n; inside\r\n\r\n"},
        {"a new key's section goes at the end, without parent sections",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\"\n",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"1\"\n\n[HKEY_CURRENT_USER\\B\\C\\D]\n\"v\"=\"new\"\n\"w\"=\"added\"\n"},
        {"a last line without its line ending gets one",
         "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"old\"",
         "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"new\"\r\n\"w\"=\"added\"\r\n"},
        {"a value cut short by the file's end does not take the new line as its continuation",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"old\"\n\"Blob\"=hex:01,\\",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"new\"\n\"Blob\"=hex:01,\\\n\n\"w\"=\"added\"\n"},
        {"the last of a twice-written value is the one changed",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"V\"=\"1\"\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"2\"\n\n",
         "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"V\"=\"1\"\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"new\"\n\"w\"=\"added\"\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteText(File(), c.before);
        const std::string key = c.name.find("new key") != std::string::npos ? "HKEY_CURRENT_USER\\B\\C\\D"
                                                                                : "HKEY_CURRENT_USER\\A";
        KeyStore(File()).Update([&](RegFile& file) {
            file.SetString(key, "v", "new");
            file.SetString(key, "w", "added");
            return true;
        });
        EXPECT_EQ(ReadText(File()), c.after);
        EXPECT_EQ(KeyStore(File()).OpenKey(key, KeyAccess::Read).QueryString("w"), "added");
    }
}

TEST_F(KeyStoreFormat, WhatIsNoRegistryFileIsRefusedAndNeverRewritten) {
    const std::vector<std::string> cases = {
        "[HKEY_CURRENT_USER\\Software]\n",
        "not a registry file\n",
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"v\"=\"a\0b\"\n"s,
        "\xFF\xFER\0E\0G\0"s,
        "\x7F" "ELF\x02\x01\x01binary",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        WriteText(File(), text);
        const KeyStore store(File());
        const AutomationError error =
            RaisedBy([&] { store.OpenKey("HKEY_CURRENT_USER\\Software", KeyAccess::Read); });
        EXPECT_EQ(error.Number(), err::ApplicationDefined);
        EXPECT_NE(error.Description().find(File().string()), std::string::npos) << error.Description();
        EXPECT_EQ(ErrorOf([&] { store.CreateKey(Settings); }), err::ApplicationDefined);
        EXPECT_EQ(ReadText(File()), text);
    }
    EXPECT_EQ(FileNames(m_folder), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(KeyStoreFormat, AMalformedLineIsReportedWithItsNumberAndCarriedThrough) {
    struct Case {
        std::string line;
        std::string what;
    };
    const std::vector<Case> cases = {
        {"\"Name\"=\"open", "unterminated quote"}, {"\"Name\"=\"bad \\n escape\"", "bad escape"},
        {"Name=value", "unexpected text"}, {"\"Name\"", "expected ="},
        {"\"Name\"=\"a\" trailing", "after the value"},
        {"[HKEY_CURRENT_USER\\Software", "no closing ]"}, {"[Software\\Corvane]", "root key"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"a\"=\"b\"\n" + c.line + "\n\"c\"=\"d\"\n";
        const RegFile file = RegFile::Parse(text, "the file");
        ASSERT_TRUE(file.Problem().has_value());
        EXPECT_NE(file.Problem()->find("the file has a malformed line 5"), std::string::npos) << *file.Problem();
        EXPECT_NE(file.Problem()->find(c.what), std::string::npos) << *file.Problem();
        EXPECT_EQ(file.Serialize(), text);
        EXPECT_EQ(file.QueryString("HKEY_CURRENT_USER\\Software", "a"), "b");

        WriteText(File(), text);
        KeyStore(File()).OpenKey("HKEY_CURRENT_USER\\Software", KeyAccess::Write).SetString("a", "changed");
        std::string expected = text;
        expected.replace(expected.find("\"a\"=\"b\""), 7, "\"a\"=\"changed\"");
        EXPECT_EQ(ReadText(File()), expected);
    }
    const RegFile outside = RegFile::Parse("REGEDIT4\n\"v\"=\"outside\"\n", "f");
    ASSERT_TRUE(outside.Problem().has_value());
    EXPECT_NE(outside.Problem()->find("line 2 (a value outside a key)"), std::string::npos) << *outside.Problem();
}

TEST_F(KeyStoreSafety, AChangeThatFailsHalfWayWritesNothing) {
    KeyStore(File()).CreateKey(Settings).SetString("Book.BackupPath", "old");
    const std::string before = ReadText(File());
    const KeyStore store(File());
    EXPECT_EQ(ErrorOf([&] {
                  store.Update([&](RegFile& file) {
                      file.SetString(Settings, "Book.BackupPath", "new");
                      throw AutomationError(err::ApplicationDefined, "the second value cannot be stored");
                      return true;
                  });
              }),
              err::ApplicationDefined);
    EXPECT_EQ(ReadText(File()), before);
    EXPECT_EQ(FileNames(m_folder), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(KeyStoreSafety, ASaveWritesThroughLinksAndWhatIsNoRegularFileUpToTheBoundIsRefused) {
    fs::create_directory(m_folder / "real");
    KeyStore(m_folder / "real" / "data.reg").CreateKey(Settings).SetString("Book.BackupPath", "old");
    fs::create_symlink("real/data.reg", File());
    KeyStore(File()).OpenKey(Settings, KeyAccess::Write).SetString("Book.BackupPath", "new");
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(KeyStore(m_folder / "real" / "data.reg").OpenKey(Settings, KeyAccess::Read).QueryString("Book.BackupPath"),
              "new");

    ASSERT_EQ(::mkfifo((m_folder / "pipe").c_str(), 0600), 0);
    fs::create_directory(m_folder / "folder");
    WriteText(m_folder / "readonly", "REGEDIT4\n");
    ::chmod((m_folder / "readonly").c_str(), 0444);
    fs::create_symlink("/dev/zero", m_folder / "zero");
    WriteText(m_folder / "big.reg", "REGEDIT4\n");
    fs::resize_file(m_folder / "big.reg", KeyStore::MaxFileSize + 1); // sparse: no disk space used
    struct Case {
        const char* name;
        bool write; // refused on writing only, or already on reading
    };
    ::alarm(20); // a reader blocked on the pipe ends the test here
    for (const Case& c : {Case{"pipe", false}, Case{"zero", false}, Case{"big.reg", false},
                          Case{"folder", true}, Case{"readonly", true}}) {
        SCOPED_TRACE(c.name);
        const KeyStore store(m_folder / c.name);
        const AutomationError error = RaisedBy(
            [&] { c.write ? (void)store.CreateKey(Settings) : (void)store.KeyExists(Settings); });
        EXPECT_EQ(error.Number(), err::ApplicationDefined);
        EXPECT_NE(error.Description().find((m_folder / c.name).string()), std::string::npos)
            << error.Description();
    }
    ::alarm(0);
    EXPECT_TRUE(fs::is_fifo(m_folder / "pipe"));
    EXPECT_TRUE(fs::is_directory(m_folder / "folder"));
    EXPECT_EQ(ReadText(m_folder / "readonly"), "REGEDIT4\n");
    EXPECT_NE(DescriptionOf([&] {
                  KeyStore(m_folder / "big.reg").KeyExists(Settings);
              }).find("larger than"),
              std::string::npos);
    // A file at the bound is read (and refused for its NUL bytes, not its size).
    fs::resize_file(m_folder / "big.reg", KeyStore::MaxFileSize);
    const std::string atBound =
        DescriptionOf([&] { KeyStore(m_folder / "big.reg").KeyExists(Settings); });
    EXPECT_NE(atBound.find("NUL"), std::string::npos) << atBound;
}

TEST_F(KeyStoreSafety, AWriterRemovesTheTemporaryFilesOfDeadWriters) {
    KeyStore(File()).CreateKey(Settings);
    for (const char* stale : {"registry.reg.tmp-a1b2c3", "registry.reg.tmp-ZZZZZZ"}) {
        WriteText(m_folder / stale, std::string(1000, 'x'));
    }
    KeyStore(File()).OpenKey(Settings, KeyAccess::Write).SetString("Book.BackupPath", "x");
    EXPECT_EQ(FileNames(m_folder), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(KeyStoreSafety, ASaveByTheSuperuserKeepsTheOwnerOfTheStoreAndItsLock) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "files of another user need the superuser";
    }
    constexpr uid_t Owner = 54321;
    WriteText(File(), "REGEDIT4\n");
    ASSERT_EQ(::chown(File().c_str(), Owner, Owner), 0);
    ASSERT_EQ(::chmod(File().c_str(), 0640), 0);
    KeyStore(File()).CreateKey(Settings).SetString("Book.BackupPath", "by root");
    struct stat st {};
    ASSERT_EQ(::stat(File().c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, Owner);
    EXPECT_EQ(st.st_gid, Owner);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    ASSERT_EQ(::stat((m_folder / "registry.reg.lock").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, Owner) << "the owner could no longer lock the store";
}

TEST_F(KeyStoreSafety, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int Writes = 60;
    KeyStore(File()).CreateKey(Settings);
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (int process = 0; process < 2; ++process) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(start[1]);
            char go = 0;
            const bool started = read(start[0], &go, 1) == 0; // both start when the pipe closes
            int status = started ? 0 : 2;
            try {
                RegistryKey key = KeyStore(File()).OpenKey(Settings, KeyAccess::Write);
                for (int i = 0; i < Writes; ++i) {
                    key.SetString("P" + std::to_string(process) + "." + std::to_string(i), std::to_string(i * 7));
                }
            } catch (...) {
                status = 1;
            }
            _exit(status);
        }
        children.push_back(pid);
    }
    close(start[0]);
    close(start[1]);
    for (const pid_t pid : children) {
        int status = -1;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const RegistryKey key = KeyStore(File()).OpenKey(Settings, KeyAccess::Read);
    EXPECT_EQ(key.ValueNames().size(), 2u * Writes);
    for (int process = 0; process < 2; ++process) {
        for (int i = 0; i < Writes; ++i) {
            EXPECT_EQ(key.QueryString("P" + std::to_string(process) + "." + std::to_string(i)), std::to_string(i * 7));
        }
    }
}

namespace {

// Sets environment variables for one test and restores them afterwards.
class EnvironmentOverride {
public:
    EnvironmentOverride(std::string name, const char* value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) {
            m_old = old;
        }
        if (value == nullptr) {
            unsetenv(m_name.c_str());
        } else {
            setenv(m_name.c_str(), value, 1);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;
    ~EnvironmentOverride() {
        if (m_old) {
            setenv(m_name.c_str(), m_old->c_str(), 1);
        } else {
            unsetenv(m_name.c_str());
        }
    }

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(KeyStoreDefaultPath, RegistryVariableThenXdgConfigHomeThenHome) {
    const EnvironmentOverride home("HOME", "/home/someone");
    {
        const EnvironmentOverride file("VANTOR_REGISTRY", "/data/test.reg");
        const EnvironmentOverride config("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(KeyStore::DefaultPath(), fs::path("/data/test.reg"));
        EXPECT_EQ(KeyStore::Default().File(), fs::path("/data/test.reg"));
    }
    const EnvironmentOverride file("VANTOR_REGISTRY", "");
    {
        const EnvironmentOverride config("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(KeyStore::DefaultPath(), fs::path("/xdg/vantor/registry.reg"));
    }
    for (const char* config : {"", "relative/config", static_cast<const char*>(nullptr)}) {
        const EnvironmentOverride override("XDG_CONFIG_HOME", config);
        EXPECT_EQ(KeyStore::DefaultPath(), fs::path("/home/someone/.config/vantor/registry.reg"));
    }
}
