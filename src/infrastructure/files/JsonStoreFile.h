#pragma once

#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include <nlohmann/json.hpp>

#include "application/ports/DamagedFileReporting.h"
#include "domain/QuorbitError.h"
#include "domain/TimePoint.h"
#include "format/JsonReader.h"

namespace quorbit {

// One JSON file of a store: reading, the two write policies of the stores (pretty-printed,
// sorted keys, atomic, mode 0600 in a 0700 folder) and the moving aside of a file that
// cannot be decoded. Holds the path, and the text and reader buffers that one load leaves to
// the next, so reading the same file again takes no fresh memory; the store serialises the calls.
class JsonStoreFile {
public:
    static constexpr int indent = 2;

    // `reporting`, when given, hears of every file set aside.
    explicit JsonStoreFile(std::filesystem::path path, DamagedFileReporting* reporting = nullptr);

    const std::filesystem::path& path() const { return path_; }

    // The decoded file, or no value when there is no file. Throws std::system_error when the
    // file cannot be read and JsonError when it does not decode as T.
    template <typename T>
    std::optional<T> load() const {
        knownSound_ = false;
        std::optional<T> value;
        if (readText()) value = reader_.decodeInPlace<T>(text_);
        knownSound_ = true;
        return value;
    }

    // load() for files that a later write may replace: a missing file gives T{}; a file that
    // does not decode is moved aside first and also gives T{}. No value when the file could
    // not be moved aside, in which case it must not be overwritten.
    template <typename T>
    std::optional<T> loadReplacingCorrupt(TimePoint now) const {
        try {
            return load<T>().value_or(T{});
        } catch (const std::exception&) {
            if (!moveAside(now)) return std::nullopt;
            return T{};
        }
    }

    // Before a protected write replaces the file: a file that does not decode as T is moved
    // aside first. The write is refused with QuorbitError::persistenceFailure when such a file
    // cannot be moved aside, and when the file cannot be read at all (nothing to judge it by).
    // Free when the last load or write of this object found the file sound.
    template <typename T>
    void setAsideIfUnreadable(TimePoint now) const {
        if (knownSound_) return;
        try {
            (void)load<T>();
        } catch (const std::system_error& error) {
            throw QuorbitError::persistenceFailure(describe(error));
        } catch (const std::exception&) {
            if (!moveAside(now)) {
                throw QuorbitError::persistenceFailure("\"" + path_.filename().string() +
                                                       "\" cannot be read and could not be set aside");
            }
        }
    }

    // A free name beside `file` for an unreadable copy of it: `name.corrupt-<time>`, with a
    // number added when that is taken.
    static std::filesystem::path setAsideName(const std::filesystem::path& file, TimePoint now);

    // True when an unreadable copy of this file was set aside beside it, in this run or before.
    bool hasSetAsideCopies() const;

    // Creates the folder, encodes, writes atomically and retries the write once; the last
    // failure is thrown as QuorbitError::persistenceFailure.
    void writeProtected(const nlohmann::json& value) const;
    // writeProtected() for text already encoded in the stores' layout.
    void writeProtectedText(std::string_view text) const;
    // The same in one attempt, with failures dropped; false when nothing was written.
    bool writeBestEffort(const nlohmann::json& value) const noexcept;

    // A description for QuorbitError::persistenceFailure that never quotes file content.
    std::string describe(const std::exception& error) const;
    // The store's error for a failed read or write, with the system's code when there is one.
    QuorbitError persistenceFailure(const std::exception& error) const;

private:
    bool readText() const;  // into text_; false when there is no file
    bool moveAside(TimePoint now) const noexcept;

    std::filesystem::path path_;
    DamagedFileReporting* reporting_;
    mutable bool knownSound_ = false;
    mutable std::string text_;
    mutable JsonReader reader_;
};

}  // namespace quorbit
