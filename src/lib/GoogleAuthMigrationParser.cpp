#include "lib/GoogleAuthMigrationParser.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include "domain/UnicodeText.h"
#include "lib/Base64Codec.h"
#include "lib/PercentEncoding.h"
#include "lib/ProtobufWireReader.h"
#include "lib/UriComponents.h"
#include "lib/Utf8Validator.h"

namespace quorbit {
namespace {

using MigrationResult = GoogleAuthMigrationParser::MigrationResult;
using ParseError = GoogleAuthMigrationParser::ParseError;
using Field = ProtobufWireReader::Field;
using Bytes = std::span<const std::uint8_t>;

// Integer fields are two's complement on the wire: a negative batch id takes ten bytes.
std::optional<std::int64_t> integerValue(const Field& field) {
    const auto* value = std::get_if<std::uint64_t>(&field.value);
    return value ? std::optional(static_cast<std::int64_t>(*value)) : std::nullopt;
}

std::optional<Bytes> bytesValue(const Field& field) {
    const auto* value = std::get_if<Bytes>(&field.value);
    return value ? std::optional(*value) : std::nullopt;
}

void assignIfUtf8(std::string& target, Bytes bytes) {
    std::string text(bytes.begin(), bytes.end());
    if (Utf8Validator::isValid(text)) target = std::move(text);
}

OtpAlgorithm algorithmOf(std::int64_t value) {
    if (value == 2) return OtpAlgorithm::sha256;
    if (value == 3) return OtpAlgorithm::sha512;
    return OtpAlgorithm::sha1;  // 0 unspecified, 1 SHA1, and MD5 or anything unknown
}

// 0 is "unspecified" in the exporters' layout and means the usual six digits.
int digitsOf(std::int64_t value) { return value == 0 || value == 1 ? 6 : 8; }

void applyBytesField(GoogleAuthAccount& account, std::uint64_t number, Bytes bytes) {
    switch (number) {
    case 1: account.secret = SecretBytes(bytes); break;
    case 2: assignIfUtf8(account.name, bytes); break;
    case 3: assignIfUtf8(account.issuer, bytes); break;
    default: break;
    }
}

void applyIntegerField(GoogleAuthAccount& account, std::uint64_t number, std::int64_t value) {
    switch (number) {
    case 4: account.algorithm = algorithmOf(value); break;
    case 5: account.digits = digitsOf(value); break;
    case 6: account.type = value == 1 ? OtpType::hotp : OtpType::totp; break;
    case 7: account.counter = value; break;
    default: break;
    }
}

GoogleAuthAccount parseOtpParameters(Bytes data) {
    GoogleAuthAccount account;
    ProtobufWireReader reader(data);
    while (!reader.atEnd()) {
        const Field field = reader.nextField();
        if (const auto bytes = bytesValue(field)) applyBytesField(account, field.number, *bytes);
        if (const auto integer = integerValue(field)) applyIntegerField(account, field.number, *integer);
    }
    return account;
}

void applyPayloadField(MigrationResult& result, const Field& field) {
    if (field.number == 1) {
        if (const auto bytes = bytesValue(field)) result.accounts.push_back(parseOtpParameters(*bytes));
        return;
    }
    const auto integer = integerValue(field);
    if (!integer) return;
    switch (field.number) {
    case 2: result.version = *integer; break;
    case 3: result.batchSize = *integer; break;
    case 4: result.batchIndex = *integer; break;
    case 5: result.batchId = *integer; break;
    default: break;
    }
}

// index + 1 >= size, without overflow at the ends of the range.
ParseError::Case parseErrorCase(ProtobufWireReader::Error::Case wireCase) {
    using WireCase = ProtobufWireReader::Error::Case;
    switch (wireCase) {
    case WireCase::overlongVarInt: return ParseError::Case::invalidProtobuf;
    case WireCase::unknownWireType: return ParseError::Case::unknownWireType;
    case WireCase::unexpectedEndOfData: return ParseError::Case::unexpectedEndOfData;
    }
    return ParseError::Case::invalidProtobuf;
}

bool isFinalBatch(std::int64_t index, std::int64_t size) {
    return size == std::numeric_limits<std::int64_t>::min() || index >= size - 1;
}

// The data parameter as Base64 text. Readers that turn "+" into a blank are undone here.
SecretBytes base64Text(const UriComponents& uri) {
    if (UnicodeText::lowercased(uri.scheme) != "otpauth-migration" || !uri.queryItems) {
        throw ParseError(ParseError::Case::invalidProtobuf);
    }
    const auto& items = *uri.queryItems;
    const auto data = std::find_if(items.begin(), items.end(), [](const auto& item) { return item.name == "data"; });
    if (data == items.end()) throw ParseError(ParseError::Case::invalidProtobuf);
    if (!data->value) return {};
    SecretBytes text = PercentEncoding::decodeSecret(data->value->asText()).value_or(SecretBytes());
    std::replace(text.data(), text.data() + text.size(), std::uint8_t{' '}, std::uint8_t{'+'});
    return text;
}

}  // namespace

const char* GoogleAuthMigrationParser::ParseError::errorDescription() const noexcept {
    switch (case_) {
    case Case::invalidBase64: return "Некорректные данные Base64";
    case Case::invalidProtobuf: return "Некорректный формат Protobuf";
    case Case::unknownWireType: return "Неизвестный тип поля Protobuf";
    case Case::unexpectedEndOfData: return "Неожиданный конец данных";
    }
    return "";
}

GoogleAuthMigrationParser::MigrationResult GoogleAuthMigrationParser::parse(std::string_view uri) {
    const std::optional<UriComponents> components = UriComponents::parse(uri);
    if (!components) throw ParseError(ParseError::Case::invalidProtobuf);
    const std::optional<SecretBytes> payload = Base64Codec::decode(base64Text(*components).asText());
    if (!payload) throw ParseError(ParseError::Case::invalidBase64);
    return parse(payload->view());
}

GoogleAuthMigrationParser::MigrationResult GoogleAuthMigrationParser::parse(std::span<const std::uint8_t> data) {
    MigrationResult result;
    try {
        ProtobufWireReader reader(data);
        while (!reader.atEnd()) applyPayloadField(result, reader.nextField());
    } catch (const ProtobufWireReader::Error& error) {
        throw ParseError(parseErrorCase(error.errorCase()));
    }
    result.isFinalBatch = isFinalBatch(result.batchIndex, result.batchSize);
    return result;
}

}  // namespace quorbit
