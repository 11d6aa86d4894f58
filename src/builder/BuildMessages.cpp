#include "builder/BuildMessages.h"

#include "builder/BuildCommands.h"

namespace sk::builder {

std::string BuildMessages::noPrivateStagingFolder(const std::string& folder) {
    return "Сборка остановлена: временная папка " + folder +
           " принадлежит другому пользователю, является ссылкой или лежит в папке, где другие "
           "пользователи могут её подменить. Ничего не изменено. Удалите её или укажите другую "
           "временную папку в переменной TMPDIR.";
}

std::string BuildMessages::outputIsAFolder(const std::string& output) {
    return "Выходной файл " + output + " — это папка. Укажите имя файла пакета.";
}

std::string BuildMessages::outputIsRelative(const std::string& output) {
    return "Укажите полный путь выходного файла, начиная с «/»: «" + output + "».";
}

std::string BuildMessages::outputIsTheSource(const std::string& output) {
    return "Выходной файл совпадает с исходной презентацией: " + output + ". Укажите другое имя.";
}

std::string BuildMessages::converterNotStarted(const std::string& converter) {
    return "Не удалось запустить конвертер " + converter + ". Презентация не преобразована.";
}

std::string BuildMessages::conversionFailed(int exitStatus, const std::string& reason) {
    std::string text = "Презентация не преобразована";
    if (!reason.empty()) return text + ": " + reason;
    if (exitStatus < 0) return text + ": конвертер был прерван.";
    return text + ": конвертер завершился с кодом " + std::to_string(exitStatus) + ".";
}

std::string BuildMessages::conversionLeftNoResult(const std::string& result) {
    return "Конвертер завершился, но не записал результат " + result + ". Презентация не преобразована.";
}

std::string BuildMessages::noStagedPresentation(const std::string& staged) {
    return "Нет подготовленной презентации " + staged + ". Пакет не собран.";
}

std::string BuildMessages::archiverNotStarted(const std::string& programFolder) {
    return std::string("Не удалось запустить архиватор ") + kArchiverProgram +
           ": его нет ни в папке программы " + programFolder + ", ни в PATH. Пакет не собран.";
}

}  // namespace sk::builder
