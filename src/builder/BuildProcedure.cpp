#include "builder/BuildProcedure.h"

#include <sys/stat.h>

#include <utility>

#include "builder/BuildCommands.h"
#include "builder/BuildMessages.h"
#include "builder/FileStaging.h"
#include "builder/ProcessToolLauncher.h"
#include "platform/Exception.h"
#include "platform/FileSystem.h"

namespace sk::builder {

using platform::Exception;
using platform::FileSystem;

namespace {

// The staging folder, looked up anew each time as it may have been removed or
// replaced in the meantime. Without a private one the build stops: staged names
// taken relative to the current folder would delete and overwrite the user's
// own files there.
std::string stagingFolder() {
    std::string folder = FileStaging::temporaryDirectory();
    if (folder.empty()) throw Exception(BuildMessages::noPrivateStagingFolder(FileSystem::privateFolderPath()));
    return folder;
}

std::string staged(const char* name) {
    return stagingFolder() + name;
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool sameFile(const std::string& first, const std::string& second) {
    struct stat a {}, b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

// The converter's last word: the last line it wrote on its standard error,
// without its own name in front.
std::string lastLineOf(const std::string& text, const std::string& program) {
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    if (end == std::string::npos) return "";
    const std::size_t newline = text.rfind('\n', end);
    const std::size_t start = newline == std::string::npos ? 0 : newline + 1;
    std::string line = text.substr(start, end + 1 - start);
    const std::string name = program.substr(program.rfind('/') + 1) + ": ";
    if (line.starts_with(name)) line.erase(0, name.size());
    return line;
}

}  // namespace

BuildProcedure::BuildProcedure(MessageSink& messages)
    : m_messages(messages),
      m_programFolder(platform::FileSystem::programFolder()),
      m_ownedLauncher(std::make_unique<ProcessToolLauncher>(m_programFolder)),
      m_launcher(*m_ownedLauncher) {}

BuildProcedure::BuildProcedure(MessageSink& messages, std::string programFolder, ToolLauncher& launcher)
    : m_messages(messages), m_programFolder(std::move(programFolder)), m_launcher(launcher) {}

BuildProcedure::~BuildProcedure() = default;

void BuildProcedure::run(const BuildRequest& request) {
    cleanUp();
    if (request.sourcePath.empty()) {
        m_messages.showMessage(kNoSourceMessage);
        return;
    }
    checkOutputPath(request);

    if (request.package == PackageKind::Package2003) {
        // The 2003 package stages whatever file was chosen, without looking at it.
        stageAndArchive(request, kViewerPattern2003);
        return;
    }

    const std::string extension = fileExtension(request.sourcePath);
    if (extension == ".ppt") {
        stageAndArchive(request, kViewerPattern2007);
    } else if (extension == ".pptx") {
        convertAndArchive(request);
    }
    // Any other extension (compared exactly, so ".PPT" too): nothing more happens.
}

void BuildProcedure::cleanUp() const {
    FileStaging::deleteFile(staged(kStagedConversionSource));
    FileStaging::deleteFile(staged(kConverterResult));
    FileStaging::deleteFile(staged(kStagedPresentation));
}

// The archiver would otherwise write into a folder, resolve a relative name
// against a current folder the user never sees, or replace the presentation.
// An empty path goes on to the archiver, which says so in its own window.
void BuildProcedure::checkOutputPath(const BuildRequest& request) const {
    const std::string& output = request.outputPath;
    if (output.empty()) return;
    if (output.front() != '/') throw Exception(BuildMessages::outputIsRelative(output));
    if (FileSystem::isDirectory(output)) throw Exception(BuildMessages::outputIsAFolder(output));
    if (sameFile(output, request.sourcePath)) throw Exception(BuildMessages::outputIsTheSource(output));
}

void BuildProcedure::stageAndArchive(const BuildRequest& request, const char* viewerPattern) const {
    FileStaging::copyFile(request.sourcePath, staged(kStagedPresentation));
    startArchiver(request, viewerPattern);
}

void BuildProcedure::convertAndArchive(const BuildRequest& request) const {
    FileStaging::copyFile(request.sourcePath, staged(kStagedConversionSource));
    convert();
    FileStaging::renameFile(staged(kConverterResult), staged(kStagedPresentation));
    startArchiver(request, kViewerPattern2007);
}

void BuildProcedure::convert() const {
    const CommandLine command = converterCommandLine(m_programFolder, stagingFolder());
    const ConverterOutcome outcome = m_launcher.runConverter(command);
    if (!outcome.started) throw Exception(BuildMessages::converterNotStarted(command.arguments.front()));
    if (outcome.exitStatus != 0)
        throw Exception(BuildMessages::conversionFailed(outcome.exitStatus,
                                                        lastLineOf(outcome.errorOutput, command.arguments.front())));
    if (!isRegularFile(staged(kConverterResult)))
        throw Exception(BuildMessages::conversionLeftNoResult(staged(kConverterResult)));
}

void BuildProcedure::startArchiver(const BuildRequest& request, const char* viewerPattern) const {
    const std::string folder = stagingFolder();
    if (!isRegularFile(folder + kStagedPresentation))
        throw Exception(BuildMessages::noStagedPresentation(folder + kStagedPresentation));
    if (!m_launcher.startArchiver(
            archiverCommandLine(request.outputPath, m_programFolder, viewerPattern, folder, request.level)))
        throw Exception(BuildMessages::archiverNotStarted(m_programFolder));
}

}  // namespace sk::builder
