#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The full name of file name in a scratch folder made once per process and removed at exit.
// The same name gives the same path on every call, so no files pile up.
QString scratchPath(const char* name);

// Writes bytes to scratchPath(name) and returns that path.
QString writeScratch(const char* name, const std::uint8_t* data, std::size_t size);

// Reports a broken promise of the core and aborts, so libFuzzer keeps the input.
[[noreturn]] void fail(const char* what, const QString& detail = QString());

// Hands out the input piece by piece; once it runs dry, every read gives zeros or nothing.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    // Up to max bytes, the length taken from the input first.
    QByteArray bytes(std::size_t max);
    // The next n bytes, fewer where the input ends.
    QByteArray take(std::size_t n);
    QByteArray rest() { return take(left()); }
    std::size_t left() const { return m_size - m_pos; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace fuzz
