#include "builder/BuildCommands.h"

namespace sk::builder {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

CommandLine archiverCommandLine(const std::string& outputPath, const std::string& programFolder,
                                const std::string& viewerPattern, const std::string& stagingDirectory,
                                int level) {
    const std::string viewerFiles = programFolder + viewerPattern;
    const std::string stagedPresentation = stagingDirectory + kStagedPresentation;
    const std::string compression = kCompressionSwitch + std::to_string(level);

    CommandLine command;
    command.text = std::string(kArchiverCommandHead) + quoted(outputPath) + " " + quoted(viewerFiles) + " " +
                   quoted(stagedPresentation) + " " + compression;
    command.arguments = {kArchiverProgram,   "a",        "-sfx7zs.sfx", outputPath, viewerFiles,
                         stagedPresentation, compression};
    return command;
}

CommandLine converterCommandLine(const std::string& programFolder, const std::string& stagingDirectory) {
    const std::string program = programFolder + kConverterProgram;
    const std::string parameters =
        std::string(kConverterSourcePrefix) + stagingDirectory + kStagedConversionSource + kConverterOptions;

    CommandLine command;
    command.text = program + " " + parameters;
    // The parameter string is one argument; its closing blank only separates it
    // in the text form.
    command.arguments = {program, parameters.substr(0, parameters.size() - 1)};
    return command;
}

std::string fileExtension(const std::string& path) {
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return "";
    return path.substr(dot);
}

}  // namespace sk::builder
