// The two command lines of a build, in text and as argument vectors, and the
// extension rule that chooses the 2007 recipe.
#include <gtest/gtest.h>

#include "builder/BuildCommands.h"

namespace sk::builder {
namespace {

using Arguments = std::vector<std::string>;

TEST(BuildCommands, ArchiverLineOfTheWorkedExample) {
    CommandLine line = archiverCommandLine("/home/ann/presentation.exe", "/opt/tools/", kViewerPattern2003,
                                           "/tmp/slidekiln-1000/", 4);
    EXPECT_EQ(line.text,
              "arc.dll a -sfx7zs.sfx \"/home/ann/presentation.exe\" \"/opt/tools/ppt2003/*.*\" "
              "\"/tmp/slidekiln-1000/view.ppt\" -mx4");
    EXPECT_EQ(line.arguments, (Arguments{"arc.dll", "a", "-sfx7zs.sfx", "/home/ann/presentation.exe",
                                         "/opt/tools/ppt2003/*.*", "/tmp/slidekiln-1000/view.ppt", "-mx4"}));
}

TEST(BuildCommands, ArchiverLineOf2007PackageNamesItsViewerFolder) {
    CommandLine line = archiverCommandLine("/out.exe", "/opt/tools/", kViewerPattern2007, "/t/", 6);
    EXPECT_EQ(line.text,
              "arc.dll a -sfx7zs.sfx \"/out.exe\" \"/opt/tools/ppt2007/*.*\" \"/t/view.ppt\" -mx6");
    EXPECT_EQ(line.arguments[4], "/opt/tools/ppt2007/*.*");
}

TEST(BuildCommands, LevelIsWrittenInPlainDecimal) {
    const std::pair<int, std::string> cases[] = {{0, "-mx0"}, {4, "-mx4"}, {9, "-mx9"}, {10, "-mx10"}};
    for (const auto& [level, expected] : cases) {
        CommandLine line = archiverCommandLine("o.exe", "/p/", kViewerPattern2003, "/t/", level);
        EXPECT_EQ(line.arguments.back(), expected);
        EXPECT_TRUE(line.text.ends_with(" " + expected)) << line.text;
    }
}

TEST(BuildCommands, EmptyOutputPathIsAnEmptyQuotedArgument) {
    CommandLine line = archiverCommandLine("", "/p/", kViewerPattern2003, "/t/", 1);
    EXPECT_EQ(line.text, "arc.dll a -sfx7zs.sfx \"\" \"/p/ppt2003/*.*\" \"/t/view.ppt\" -mx1");
    EXPECT_EQ(line.arguments[3], "");
}

TEST(BuildCommands, PathsWithBlanksAndQuotesStayOneArgumentEach) {
    const std::string output = "/home/ann/My Shows/\"talk\" -mx0.exe";
    CommandLine line = archiverCommandLine(output, "/opt/my tools/", kViewerPattern2003, "/tmp/a b/", 3);
    EXPECT_EQ(line.text, "arc.dll a -sfx7zs.sfx \"" + output +
                             "\" \"/opt/my tools/ppt2003/*.*\" \"/tmp/a b/view.ppt\" -mx3");
    ASSERT_EQ(line.arguments.size(), 7u);
    EXPECT_EQ(line.arguments[3], output);
    EXPECT_EQ(line.arguments[5], "/tmp/a b/view.ppt");
}

TEST(BuildCommands, ConverterLineOfTheWorkedExample) {
    CommandLine line = converterCommandLine("/opt/tools/", "/tmp/slidekiln-1000/");
    EXPECT_EQ(line.text,
              "/opt/tools/pptxppt/ppt2ppt.dll /P:Source=/tmp/slidekiln-1000/view.pptx;RunAndClose=true;"
              "PureConsole=true ");
    EXPECT_EQ(line.arguments,
              (Arguments{"/opt/tools/pptxppt/ppt2ppt.dll",
                         "/P:Source=/tmp/slidekiln-1000/view.pptx;RunAndClose=true;PureConsole=true"}));
}

TEST(BuildCommands, ConverterParameterIsUnquotedEvenWithBlanks) {
    CommandLine line = converterCommandLine("/opt/tools/", "/tmp/my temp/");
    EXPECT_EQ(
        line.text,
        "/opt/tools/pptxppt/ppt2ppt.dll /P:Source=/tmp/my temp/view.pptx;RunAndClose=true;PureConsole=true ");
    ASSERT_EQ(line.arguments.size(), 2u);
    EXPECT_EQ(line.arguments[1], "/P:Source=/tmp/my temp/view.pptx;RunAndClose=true;PureConsole=true");
}

TEST(BuildCommands, ConverterWithoutStagingFolderNamesTheBareFile) {
    CommandLine line = converterCommandLine("/opt/tools/", "");
    EXPECT_EQ(line.arguments[1], "/P:Source=view.pptx;RunAndClose=true;PureConsole=true");
}

TEST(BuildCommands, FileExtension) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/ann/talk.pptx", ".pptx"},
        {"/home/ann/talk.ppt", ".ppt"},
        {"/home/ann/talk.PPT", ".PPT"},
        {"/home/ann/talk.tar.ppt", ".ppt"},
        {"/home/ann/talk", ""},
        {"/home/a.b/file", ""},
        {"/home/a.b/", ""},
        {"talk.", "."},
        {".pptx", ".pptx"},
        {"", ""},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(fileExtension(path), expected) << path;
}

}  // namespace
}  // namespace sk::builder
