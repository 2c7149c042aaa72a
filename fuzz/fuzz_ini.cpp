// The settings file is hand-edited by users, so it may hold anything.
#include "fuzzsupport.h"

#include "core/usererror.h"
#include "settings/settingsfile.h"

#include <cstdint>

namespace {

void checkSettings(const zantrel::Settings& s) {
    if (s.fileCount > zantrel::kMaxCheckedFiles || s.files.size() != s.fileCount)
        fuzz::fail("readini: file count and file names disagree", QString::number(s.fileCount));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString in = fuzz::writeScratch("in.ini", data, size);
    const zantrel::Settings read = zantrel::readini(in);
    checkSettings(read);

    // Saving over the same text keeps its other sections, which is where odd input bites.
    const QString out = fuzz::writeScratch("out.ini", data, size);
    zantrel::SettingsForm form;
    form.gameFolder = read.gameFolder;
    form.sourcesFolder = read.sourcesFolder;
    form.useSources = read.useSources == QLatin1String("1");
    form.halfSize = read.imageSize == QLatin1String("1");
    form.rows = read.files;
    try {
        zantrel::saveini(out, form);
    } catch (const zantrel::UserError&) {
    }
    checkSettings(zantrel::readini(out));
    return 0;
}
