// The OCIFile package: round trips in a private temporary directory.
#include <gtest/gtest.h>
#include <oci.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "oci_handles_test.h"
#include "services/file_ops.h"

namespace {

OraText *t(const std::string &s) { return reinterpret_cast<OraText *>(const_cast<char *>(s.c_str())); }

class FilePackage : public vsk::test::OciHandlesTest {
protected:
    void SetUp() override {
        OciHandlesTest::SetUp();
        char tmpl[] = "/tmp/vsk-file-test.XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ASSERT_EQ(OCIFileInit(env_, err_), OCI_SUCCESS);
    }
    void TearDown() override {
        std::string cmd = "rm -rf '" + dir + "'";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
        OciHandlesTest::TearDown();
    }
    sword open(const std::string &name, ub4 mode, ub4 create, OCIFileObject **f) {
        return OCIFileOpen(env_, err_, f, t(name), t(dir), mode, create, OCI_FILE_BIN);
    }
    std::string write_text(OCIFileObject *f, const std::string &s) {
        ub4 n = 0;
        EXPECT_EQ(OCIFileWrite(env_, err_, f, const_cast<char *>(s.data()), static_cast<ub4>(s.size()), &n),
                  OCI_SUCCESS);
        EXPECT_EQ(n, s.size());
        return s;
    }
    std::string read_text(OCIFileObject *f, ub4 max) {
        std::string buf(max, '\0');
        ub4 n = 0;
        EXPECT_EQ(OCIFileRead(env_, err_, f, buf.data(), max, &n), OCI_SUCCESS);
        buf.resize(n);
        return buf;
    }
    std::string path(const std::string &name) const { return dir + "/" + name; }
    std::string dir;
};

TEST_F(FilePackage, WriteSeekReadRoundTrip) {
    OCIFileObject *f = nullptr;
    ASSERT_EQ(open("a.txt", OCI_FILE_READ_WRITE, OCI_FILE_CREATE, &f), OCI_SUCCESS);
    ASSERT_NE(f, nullptr);
    write_text(f, "0123456789abcdefghij");
    ASSERT_EQ(OCIFileFlush(env_, err_, f), OCI_SUCCESS);
    ASSERT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_BEGINNING, 5, OCI_FILE_FORWARD), OCI_SUCCESS);
    EXPECT_EQ(read_text(f, 3), "567");
    ASSERT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_CURRENT, 2, OCI_FILE_BACKWARD), OCI_SUCCESS);
    EXPECT_EQ(read_text(f, 2), "67");
    ASSERT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_END, 10, OCI_FILE_BACKWARD), OCI_SUCCESS);
    EXPECT_EQ(read_text(f, 4), "abcd");
    ASSERT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_END, 0, OCI_FILE_FORWARD), OCI_SUCCESS);
    EXPECT_EQ(read_text(f, 4), "");  // at the end
    ASSERT_EQ(OCIFileClose(env_, err_, f), OCI_SUCCESS);

    ubig_ora length = ~0ul;
    ASSERT_EQ(OCIFileGetLength(env_, err_, t("a.txt"), t(dir), &length), OCI_SUCCESS);
    EXPECT_EQ(length, 20u);
    ub1 exists = FALSE;
    ASSERT_EQ(OCIFileExists(env_, err_, t("a.txt"), t(dir), &exists), OCI_SUCCESS);
    EXPECT_EQ(exists, TRUE);
    ASSERT_EQ(OCIFileExists(env_, err_, t("missing"), t(dir), &exists), OCI_SUCCESS);
    EXPECT_EQ(exists, FALSE);
}

TEST_F(FilePackage, CreatedFilesArePrivate) {
    OCIFileObject *f = nullptr;
    mode_t old = umask(0);
    ASSERT_EQ(open("private", OCI_FILE_WRITE_ONLY, OCI_FILE_CREATE, &f), OCI_SUCCESS);
    umask(old);
    struct stat st;
    ASSERT_EQ(stat(path("private").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(OCIFileClose(env_, err_, f), OCI_SUCCESS);
}

// Each create mode against a file that exists and one that does not.
TEST_F(FilePackage, CreateModes) {
    struct Case {
        ub4 create;
        bool exists;
        sword rc;
        sb4 code;
        const char *content_after;  // content after writing "new" (null: not opened)
    } cases[] = {
        {OCI_FILE_EXIST, false, OCI_ERROR, 30152, nullptr},
        {OCI_FILE_EXIST, true, OCI_SUCCESS, 0, "newold"},
        {OCI_FILE_CREATE, false, OCI_SUCCESS, 0, "new"},
        {OCI_FILE_CREATE, true, OCI_SUCCESS, 0, "newold"},
        {OCI_FILE_EXCL, false, OCI_SUCCESS, 0, "new"},
        {OCI_FILE_EXCL, true, OCI_ERROR, 30151, nullptr},
        {OCI_FILE_TRUNCATE, false, OCI_ERROR, 30152, nullptr},
        {OCI_FILE_TRUNCATE, true, OCI_SUCCESS, 0, "new"},
        {OCI_FILE_APPEND, false, OCI_ERROR, 30152, nullptr},
        {OCI_FILE_APPEND, true, OCI_SUCCESS, 0, "oldoldnew"},
        {OCI_FILE_CREATE | OCI_FILE_APPEND, false, OCI_SUCCESS, 0, "new"},
        {OCI_FILE_CREATE | OCI_FILE_APPEND, true, OCI_SUCCESS, 0, "oldoldnew"},
        {3, true, OCI_ERROR, 30150, nullptr},
        {16, true, OCI_ERROR, 30150, nullptr},
    };
    int n = 0;
    for (const Case &c : cases) {
        std::string name = "f" + std::to_string(n++);
        if (c.exists) {
            FILE *fp = std::fopen(path(name).c_str(), "w");
            ASSERT_NE(fp, nullptr);
            std::fputs("oldold", fp);
            std::fclose(fp);
        }
        OCIFileObject *f = reinterpret_cast<OCIFileObject *>(0x1);
        ASSERT_EQ(open(name, OCI_FILE_WRITE_ONLY, c.create, &f), c.rc) << c.create << " " << c.exists;
        EXPECT_EQ(error_code(), c.code) << c.create << " " << c.exists;
        if (c.rc != OCI_SUCCESS) {
            EXPECT_EQ(f, nullptr);
            continue;
        }
        write_text(f, "new");
        ASSERT_EQ(OCIFileClose(env_, err_, f), OCI_SUCCESS);
        FILE *fp = std::fopen(path(name).c_str(), "r");
        char buf[32] = {};
        std::fread(buf, 1, sizeof buf - 1, fp);
        std::fclose(fp);
        EXPECT_STREQ(buf, c.content_after) << c.create << " " << c.exists;
    }
}

TEST_F(FilePackage, ArgumentErrors) {
    OCIFileObject *f = nullptr;
    EXPECT_EQ(open("x", 0, OCI_FILE_CREATE, &f), OCI_ERROR);
    EXPECT_EQ(error_code(), 30150);
    EXPECT_EQ(open("x", 4, OCI_FILE_CREATE, &f), OCI_ERROR);
    EXPECT_EQ(OCIFileOpen(env_, err_, &f, t("x"), t(dir), OCI_FILE_READ_ONLY, OCI_FILE_CREATE, 5), OCI_ERROR);
    EXPECT_EQ(error_code(), 30150);
    EXPECT_EQ(OCIFileOpen(env_, err_, nullptr, t("x"), t(dir), OCI_FILE_READ_ONLY, OCI_FILE_CREATE, 0), OCI_ERROR);
    EXPECT_EQ(OCIFileOpen(env_, err_, &f, nullptr, t(dir), OCI_FILE_READ_ONLY, OCI_FILE_CREATE, 0), OCI_ERROR);
    EXPECT_EQ(error_code(), 30150);
    EXPECT_EQ(OCIFileRead(env_, err_, nullptr, &f, 1, nullptr), OCI_ERROR);
    EXPECT_EQ(error_code(), 30150);
    ubig_ora length = 0;
    EXPECT_EQ(OCIFileGetLength(env_, err_, t("missing"), t(dir), &length), OCI_ERROR);
    EXPECT_EQ(error_code(), 30152);
    ASSERT_EQ(open("s", OCI_FILE_READ_WRITE, OCI_FILE_CREATE, &f), OCI_SUCCESS);
    EXPECT_EQ(OCIFileSeek(env_, err_, f, 4, 0, OCI_FILE_FORWARD), OCI_ERROR);
    EXPECT_EQ(error_code(), 30150);
    EXPECT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_BEGINNING, 0, 3), OCI_ERROR);
    EXPECT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_BEGINNING, ~0ul, OCI_FILE_FORWARD), OCI_ERROR);
    EXPECT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_BEGINNING, 5, OCI_FILE_BACKWARD), OCI_ERROR);
    EXPECT_EQ(error_code(), 30157);  // EINVAL: before the beginning
    EXPECT_EQ(OCIFileClose(env_, err_, f), OCI_SUCCESS);
    EXPECT_EQ(OCIFileOpen(nullptr, err_, &f, t("x"), t(dir), 1, 1, 0), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIFileOpen(env_, nullptr, &f, t("x"), t(dir), 1, 1, 0), OCI_INVALID_HANDLE);
    EXPECT_EQ(OCIFileInit(err_, err_), OCI_INVALID_HANDLE);
}

TEST_F(FilePackage, ReadOnlyFileRefusesWrites) {
    OCIFileObject *f = nullptr;
    ASSERT_EQ(open("r", OCI_FILE_READ_ONLY, OCI_FILE_CREATE, &f), OCI_SUCCESS);
    ub4 n = 0;
    char c = 'x';
    EXPECT_EQ(OCIFileWrite(env_, err_, f, &c, 1, &n), OCI_ERROR);
    EXPECT_EQ(n, static_cast<ub4>(-1));
    EXPECT_EQ(error_code(), 30155);
    EXPECT_EQ(OCIFileClose(env_, err_, f), OCI_SUCCESS);
}

TEST_F(FilePackage, TooLongPathIsRefused) {
    std::string name(PATH_MAX, 'n');
    OCIFileObject *f = nullptr;
    EXPECT_EQ(open(name, OCI_FILE_READ_WRITE, OCI_FILE_CREATE, &f), OCI_ERROR);
    EXPECT_EQ(error_code(), 30150);
    ub1 exists = TRUE;
    EXPECT_EQ(OCIFileExists(env_, err_, t(name), t(dir), &exists), OCI_ERROR);
}

TEST_F(FilePackage, EveryCallButSeekNeedsInit) {
    OCIFileObject *f = nullptr;
    ASSERT_EQ(open("i", OCI_FILE_READ_WRITE, OCI_FILE_CREATE, &f), OCI_SUCCESS);
    ASSERT_EQ(OCIFileTerm(env_, err_), OCI_SUCCESS);
    ub4 n = 0;
    char buf[4];
    ub1 flag = 0;
    ubig_ora length = 0;
    EXPECT_EQ(OCIFileRead(env_, err_, f, buf, 4, &n), OCI_ERROR);
    EXPECT_EQ(error_code(), 30162);
    EXPECT_EQ(OCIFileWrite(env_, err_, f, buf, 4, &n), OCI_ERROR);
    EXPECT_EQ(OCIFileExists(env_, err_, t("i"), t(dir), &flag), OCI_ERROR);
    EXPECT_EQ(OCIFileGetLength(env_, err_, t("i"), t(dir), &length), OCI_ERROR);
    EXPECT_EQ(OCIFileFlush(env_, err_, f), OCI_ERROR);
    EXPECT_EQ(error_code(), 30162);
    EXPECT_EQ(OCIFileSeek(env_, err_, f, OCI_FILE_SEEK_BEGINNING, 0, OCI_FILE_FORWARD), OCI_SUCCESS);
    EXPECT_EQ(error_code(), 30162);  // a successful seek leaves the error handle alone
    EXPECT_EQ(OCIFileClose(env_, err_, f), OCI_ERROR);
    ASSERT_EQ(OCIFileInit(env_, err_), OCI_SUCCESS);
    EXPECT_EQ(OCIFileClose(env_, err_, f), OCI_SUCCESS);
}

TEST_F(FilePackage, StandardStreamsAreNeverClosed) {
    OCIFileObject *out = nullptr;
    ASSERT_EQ(OCIFileOpen(env_, err_, &out, nullptr, nullptr, OCI_FILE_WRITE_ONLY, OCI_FILE_CREATE, OCI_FILE_STDERR),
              OCI_SUCCESS);
    ub4 n = 0;
    EXPECT_EQ(OCIFileWrite(env_, err_, out, const_cast<char *>(""), 0, &n), OCI_SUCCESS);
    EXPECT_EQ(OCIFileClose(env_, err_, out), OCI_SUCCESS);
    EXPECT_NE(fcntl(2, F_GETFD), -1);  // standard error still open
}

TEST(FileOps, PathsAndErrorNumbers) {
    std::string p;
    EXPECT_TRUE(vsk::join_file_path("/tmp", "a", &p));
    EXPECT_EQ(p, "/tmp/a");
    EXPECT_TRUE(vsk::join_file_path("", "a", &p));
    EXPECT_EQ(p, "a");
    EXPECT_FALSE(vsk::join_file_path("/tmp", std::string(PATH_MAX, 'x').c_str(), &p));
    EXPECT_EQ(vsk::file_error_number(ENOENT), 30152u);
    EXPECT_EQ(vsk::file_error_number(EEXIST), 30151u);
    EXPECT_EQ(vsk::file_error_number(EINVAL), 30157u);
    EXPECT_EQ(vsk::file_error_number(ENOSPC), 30156u);
    EXPECT_EQ(vsk::file_error_number(EACCES), 30155u);
}

}  // namespace
