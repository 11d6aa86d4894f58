// The compile action: stages the chosen presentation in the private staging
// folder as "view.ppt" (converting a *.pptx first in the 2007 package) and starts
// the outside archiver that writes the self-extracting executable.
//
// The procedure knows no controls: the window reads the request from its controls
// and calls run(). Copy failures leave run() as EStreamError kinds
// (builder/StreamErrors.h); a build that cannot go on safely (no private staging
// folder, an output path that is a folder, relative or the source, a failed
// conversion, an archiver that cannot be started) stops with a
// platform::Exception whose text names the cause (builder/BuildMessages.h).
#pragma once

#include <memory>
#include <string>

#include "builder/BuildRequest.h"
#include "builder/MessageSink.h"
#include "builder/ToolLauncher.h"

namespace sk::builder {

class BuildProcedure {
public:
    // Uses the folder of the running executable and the real outside tools there.
    explicit BuildProcedure(MessageSink& messages);
    // Uses the given program folder (ending in "/") and launcher, e.g. a temporary
    // folder with fake tools in tests.
    BuildProcedure(MessageSink& messages, std::string programFolder, ToolLauncher& launcher);
    ~BuildProcedure();

    BuildProcedure(const BuildProcedure&) = delete;
    BuildProcedure& operator=(const BuildProcedure&) = delete;

    void run(const BuildRequest& request);

    const std::string& programFolder() const { return m_programFolder; }

private:
    void cleanUp() const;
    void checkOutputPath(const BuildRequest& request) const;
    void stageAndArchive(const BuildRequest& request, const char* viewerPattern) const;
    void convertAndArchive(const BuildRequest& request) const;
    void convert() const;
    void startArchiver(const BuildRequest& request, const char* viewerPattern) const;

    MessageSink& m_messages;
    std::string m_programFolder;
    std::unique_ptr<ToolLauncher> m_ownedLauncher;
    ToolLauncher& m_launcher;
};

}  // namespace sk::builder
