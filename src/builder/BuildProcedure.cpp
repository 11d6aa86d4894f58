#include "builder/BuildProcedure.h"

#include <utility>

#include "builder/BuildCommands.h"
#include "builder/FileStaging.h"
#include "builder/ProcessToolLauncher.h"
#include "platform/FileSystem.h"

namespace sk::builder {

namespace {

// A staged name in the staging folder, looked up anew each time as the folder
// may have been removed or replaced in the meantime.
std::string staged(const char* name) {
    return FileStaging::temporaryDirectory() + name;
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

void BuildProcedure::stageAndArchive(const BuildRequest& request, const char* viewerPattern) const {
    FileStaging::copyFile(request.sourcePath, staged(kStagedPresentation));
    startArchiver(request, viewerPattern);
}

void BuildProcedure::convertAndArchive(const BuildRequest& request) const {
    FileStaging::copyFile(request.sourcePath, staged(kStagedConversionSource));
    m_launcher.runConverter(converterCommandLine(m_programFolder, FileStaging::temporaryDirectory()));
    FileStaging::renameFile(staged(kConverterResult), staged(kStagedPresentation));
    startArchiver(request, kViewerPattern2007);
}

void BuildProcedure::startArchiver(const BuildRequest& request, const char* viewerPattern) const {
    m_launcher.startArchiver(archiverCommandLine(request.outputPath, m_programFolder, viewerPattern,
                                                 FileStaging::temporaryDirectory(), request.level));
}

}  // namespace sk::builder
