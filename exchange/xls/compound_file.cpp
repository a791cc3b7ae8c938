#include "exchange/xls/compound_file.hpp"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "exchange/exchange_error.hpp"

namespace tobrel::exchange::xls {

namespace {

// Streams below this size live in the container's mini stream, which Excel refuses for the
// workbook stream, so the stream is padded after its last record.
constexpr std::size_t kMinWorkbookStream = 4096;
constexpr std::size_t kReadChunk = 1 << 16;

struct ObjectUnref {
    void operator()(void* object) const {
        if (object)
            g_object_unref(object);
    }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, ObjectUnref>;

void initialiseLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

std::string takeError(GError* error, const char* fallback) {
    std::string message = error && error->message ? error->message : fallback;
    if (error)
        g_error_free(error);
    return message;
}

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

void refuseOtherFormats(std::string_view bytes) {
    if (bytes.empty())
        throw ExchangeError("The file is empty");
    if (startsWith(bytes, std::string_view("PK\x03\x04", 4))) {
        throw ExchangeError(
            "The file is an Excel 2007 or later workbook (.xlsx), not an Excel 97-2003 workbook");
    }
    if (!startsWith(bytes, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        throw ExchangeError("The file is not an Excel 97-2003 workbook");
}

std::string readStream(GsfInput* stream, std::size_t limit) {
    const gsf_off_t size = gsf_input_size(stream);
    if (size < 0 || static_cast<std::size_t>(size) > limit)
        throw ExchangeError("The workbook is damaged: its stream is larger than the file");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t count = std::min(kReadChunk, bytes.size() - done);
        if (!gsf_input_read(stream, count, reinterpret_cast<guint8*>(bytes.data() + done)))
            throw ExchangeError("The workbook is damaged: its stream cannot be read");
        done += count;
    }
    return bytes;
}

bool writeBytes(GsfOutput* output, std::string_view bytes) {
    return bytes.empty() ||
           gsf_output_write(output, bytes.size(), reinterpret_cast<const guint8*>(bytes.data()));
}

}  // namespace

void CompoundFile::Release::operator()(void* output) const {
    ObjectUnref()(output);
}

CompoundFile compoundFileWithWorkbook(std::string_view workbookStream) {
    initialiseLibrary();
    GObjectPtr<GsfOutput> memory(gsf_output_memory_new());
    GObjectPtr<GsfOutfile> container(gsf_outfile_msole_new(memory.get()));
    GObjectPtr<GsfOutput> stream(gsf_outfile_new_child(container.get(), "Workbook", FALSE));
    const std::string padding(
        kMinWorkbookStream - std::min(kMinWorkbookStream, workbookStream.size()), '\0');
    const bool written =
        writeBytes(stream.get(), workbookStream) && writeBytes(stream.get(), padding);
    const bool streamClosed = gsf_output_close(stream.get());
    const bool containerClosed = gsf_output_close(GSF_OUTPUT(container.get()));
    if (!written || !streamClosed || !containerClosed)
        throw ExchangeError("The workbook could not be assembled in memory");
    const std::string_view bytes(
        reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.get()))),
        static_cast<std::size_t>(gsf_output_size(memory.get())));
    return CompoundFile(memory.release(), bytes);
}

std::string workbookStreamOf(std::string_view fileBytes) {
    refuseOtherFormats(fileBytes);
    initialiseLibrary();
    GObjectPtr<GsfInput> input(
        gsf_input_memory_new(reinterpret_cast<const guint8*>(fileBytes.data()),
                             static_cast<gsf_off_t>(fileBytes.size()), FALSE));
    GError* error = nullptr;
    GObjectPtr<GsfInfile> container(gsf_infile_msole_new(input.get(), &error));
    if (!container) {
        throw ExchangeError("The workbook is damaged: " +
                            takeError(error, "its compound document cannot be read"));
    }
    if (error)
        g_error_free(error);
    GObjectPtr<GsfInput> stream(gsf_infile_child_by_name(container.get(), "Workbook"));
    if (!stream) {
        if (GObjectPtr<GsfInput> older{gsf_infile_child_by_name(container.get(), "Book")}) {
            throw ExchangeError(
                "The file is in an older Excel format (Excel 5.0/95 or earlier); only Excel "
                "97-2003 workbooks can be read");
        }
        if (GObjectPtr<GsfInput> encrypted{
                gsf_infile_child_by_name(container.get(), "EncryptedPackage")}) {
            throw ExchangeError("The workbook is protected by a password and cannot be read");
        }
        throw ExchangeError("The file is a compound document without an Excel workbook in it");
    }
    return readStream(stream.get(), fileBytes.size());
}

}  // namespace tobrel::exchange::xls
