// The file layer against the machine's file system and the faulty one: the
// bytes as given, each failure named, and a file replaced whole or not at all.
#include "files/whole_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "files/streamed_file.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::FaultyFileSystem;
using testing_support::readFile;
using testing_support::writeFile;

// More than one stream buffer's room, with CR LF and a NUL byte.
std::string contentsOfSize(std::size_t size) {
  std::string text("QSO\r\n\0", 6);
  while (text.size() < size) text += text;
  return text.substr(0, size);
}

struct Writer {
  const char* name;
  std::function<void(files::FileSystem&, const std::string&, const std::string&)> write;
};

const Writer kWriters[] = {
    {"writeFile", [](files::FileSystem& fs, const std::string& path,
                     const std::string& text) { files::writeFile(fs, path, text); }},
    {"writeStreamed",
     [](files::FileSystem& fs, const std::string& path, const std::string& text) {
       files::writeStreamed(fs, path, [&](std::ostream& out) { out << text; });
     }},
    {"writeAtomically", [](files::FileSystem& fs, const std::string& path,
                           const std::string& text) { files::writeAtomically(fs, path, text); }},
};

class WholeFileTest : public testing_support::TempDirTest {};

TEST_F(WholeFileTest, EveryWriterPutsTheBytesAsGivenAndReplacesTheOld) {
  files::FileSystem& fs = files::defaultFileSystem();
  for (const Writer& writer : kWriters) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{5}, std::size_t{200000}}) {
      writeFile("out.txt", "an older and longer text");
      writer.write(fs, "out.txt", contentsOfSize(size));
      EXPECT_EQ(fs.readWhole("out.txt"), contentsOfSize(size)) << writer.name << " " << size;
      EXPECT_EQ(fs.listFiles("."), std::vector<std::string>{"out.txt"}) << writer.name;
    }
  }
}

TEST_F(WholeFileTest, EachFailureNamesThePathTheOperationAndTheReason) {
  files::FileSystem& fs = files::defaultFileSystem();
  fs.makeFolders("folder");
  writeFile("a-file", "");
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[&] { fs.readWhole("missing.txt"); }, "missing.txt: cannot read: No such file or directory"},
      {[&] { fs.readWhole("folder"); }, "folder: cannot read: Is a directory"},
      {[&] { files::writeFile(fs, "missing/a.txt", "x"); },
       "missing/a.txt: cannot write: No such file or directory"},
      {[&] { files::writeFile(fs, "/dev/full", "x"); },
       "/dev/full: cannot write: No space left on device"},
      {[&] { files::writeAtomically(fs, "missing/page.html", "x"); },
       "missing/.page.html.partial-: cannot create a temporary file: No such file or directory"},
      {[&] { fs.makeFolders("a-file/sub"); },
       "a-file/sub: cannot make the folder: Not a directory"},
      {[&] { fs.listFiles("missing"); }, "missing: cannot list: No such file or directory"},
      {[&] { fs.rename("missing", "b"); },
       "missing: cannot rename to b: No such file or directory"},
      {[&] { fs.renameAsNew("a-file", "folder"); }, "a-file: cannot rename to folder: File exists"},
      {[&] { fs.syncFolder("missing"); },
       "missing: cannot sync the folder: No such file or directory"},
  };
  for (const auto& [operation, message] : cases) {
    try {
      operation();
      ADD_FAILURE() << "no error for " << message;
    } catch (const errors::ToolError& error) {
      EXPECT_EQ(error.what(), message);
      EXPECT_EQ(error.kind(), errors::ErrorKind::kIo) << message;
    }
  }
}

// Each call of each writer failing in turn is reported; an atomic write then
// leaves the old file whole and, unless the clean-up failed too, nothing else.
TEST_F(WholeFileTest, EveryFailingCallIsReportedAndAnAtomicWriteLeavesTheOldFile) {
  FaultyFileSystem faulty;
  const std::string text = contentsOfSize(200000);
  for (const Writer& writer : kWriters) {
    for (const auto mode : {FaultyFileSystem::Mode::kOnce, FaultyFileSystem::Mode::kFromThenOn}) {
      writeFile("out.txt", "old");
      faulty.failAt(0, mode);
      writer.write(faulty, "out.txt", text);
      const int steps = faulty.calls();
      for (int n = 1; n <= steps; ++n) {
        writeFile("out.txt", "old");
        faulty.failAt(n, mode);
        EXPECT_THROW(writer.write(faulty, "out.txt", text), errors::ToolError)
            << writer.name << " call " << n;
        if (std::string(writer.name) != "writeAtomically") continue;
        const bool renamed = !faulty.done().empty() && faulty.done().back().operation == "rename";
        EXPECT_EQ(readFile("out.txt"), renamed ? text : "old") << "call " << n;
        if (mode == FaultyFileSystem::Mode::kOnce) {
          EXPECT_EQ(files::defaultFileSystem().listFiles("."), std::vector<std::string>{"out.txt"})
              << "call " << n;
        }
      }
    }
  }
}

// A file that must be new (a receipt's copy) is written once; a second write
// to its name fails and leaves the first whole, and no scratch file behind.
TEST_F(WholeFileTest, ANewFileIsNeverReplaced) {
  files::FileSystem& fs = files::defaultFileSystem();
  fs.makeFolders("scratch");
  files::writeNewDurably(fs, "kept.log", "first", "scratch");
  try {
    files::writeNewDurably(fs, "kept.log", "second", "scratch");
    ADD_FAILURE() << "the second write replaced the first";
  } catch (const errors::ToolError& error) {
    EXPECT_NE(std::string(error.what()).find(": cannot rename to kept.log: File exists"),
              std::string::npos)
        << error.what();
  }
  EXPECT_EQ(readFile("kept.log"), "first");
  EXPECT_EQ(fs.listFiles("scratch"), std::vector<std::string>{});
}

}  // namespace
