#include "model/PasswordHash.hpp"

#include "vantor/automation/AutomationError.hpp"

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <unicode/ustring.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace vantor::model::password {

namespace {

using Digest = std::array<unsigned char, 64>;

Digest Sha512(const unsigned char* first, size_t firstSize, const unsigned char* second,
              size_t secondSize) {
    Digest out{};
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    const bool ok = context && EVP_DigestInit_ex(context, EVP_sha512(), nullptr) == 1 &&
                    EVP_DigestUpdate(context, first, firstSize) == 1 &&
                    EVP_DigestUpdate(context, second, secondSize) == 1 &&
                    EVP_DigestFinal_ex(context, out.data(), nullptr) == 1;
    EVP_MD_CTX_free(context);
    if (!ok) {
        throw AutomationError(err::ApplicationDefined, "The password could not be hashed");
    }
    return out;
}

std::vector<unsigned char> Utf16Le(std::string_view text) {
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()),
                         0xFFFD, nullptr, &status);
    std::vector<UChar> units(static_cast<size_t>(length) + 1);
    status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(units.data(), static_cast<int32_t>(units.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    std::vector<unsigned char> bytes;
    for (int32_t i = 0; i < length; ++i) {
        bytes.push_back(static_cast<unsigned char>(units[static_cast<size_t>(i)] & 0xFF));
        bytes.push_back(static_cast<unsigned char>(units[static_cast<size_t>(i)] >> 8));
    }
    return bytes;
}

std::string Base64(const unsigned char* data, size_t size) {
    std::string out(4 * ((size + 2) / 3), '\0');
    EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()), data, static_cast<int>(size));
    return out;
}

std::vector<unsigned char> FromBase64(std::string_view text) {
    std::vector<unsigned char> out(3 * (text.size() / 4));
    const int size = text.size() % 4 == 0
                         ? EVP_DecodeBlock(out.data(),
                                           reinterpret_cast<const unsigned char*>(text.data()),
                                           static_cast<int>(text.size()))
                         : -1;
    if (size < 0) {
        throw AutomationError(err::ApplicationDefined, "The password's salt is not base64");
    }
    // The decoder counts the padding as zero bytes.
    out.resize(static_cast<size_t>(size));
    for (size_t i = text.size(); i > 0 && text[i - 1] == '=' && !out.empty(); --i) {
        out.pop_back();
    }
    return out;
}

} // namespace

std::string HashValue(std::string_view password, std::string_view saltBase64, int32_t spins) {
    const std::vector<unsigned char> salt = FromBase64(saltBase64);
    const std::vector<unsigned char> text = Utf16Le(password);
    Digest hash = Sha512(salt.data(), salt.size(), text.data(), text.size());
    for (int32_t n = 0; n < spins; ++n) {
        const unsigned char counter[4] = {
            static_cast<unsigned char>(n & 0xFF), static_cast<unsigned char>((n >> 8) & 0xFF),
            static_cast<unsigned char>((n >> 16) & 0xFF),
            static_cast<unsigned char>((n >> 24) & 0xFF)};
        hash = Sha512(hash.data(), hash.size(), counter, sizeof counter);
    }
    return Base64(hash.data(), hash.size());
}

SaltedHash Hash(std::string_view password) {
    unsigned char salt[16];
    if (RAND_bytes(salt, sizeof salt) != 1) {
        throw AutomationError(err::ApplicationDefined, "No random salt could be made");
    }
    SaltedHash hash;
    hash.saltValue = Base64(salt, sizeof salt);
    hash.hashValue = HashValue(password, hash.saltValue, hash.spinCount);
    return hash;
}

bool Verify(std::string_view password, const SaltedHash& hash) {
    return hash.algorithm == kAlgorithm && hash.spinCount >= 0 &&
           HashValue(password, hash.saltValue, hash.spinCount) == hash.hashValue;
}

std::string LegacyHash(std::string_view password) {
    // Each character from the last, the hash rotated left within 15 bits
    // before it is taken in; then the length and a fixed key.
    const std::vector<unsigned char> text = Utf16Le(password);
    const size_t count = text.size() / 2;
    uint32_t hash = 0;
    for (size_t i = count; i > 0; --i) {
        hash = ((hash >> 14) & 0x01) | ((hash << 1) & 0x7FFF);
        hash ^= text[2 * (i - 1)];
    }
    hash = ((hash >> 14) & 0x01) | ((hash << 1) & 0x7FFF);
    hash ^= static_cast<uint32_t>(count) ^ 0xCE4B;
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", hash & 0xFFFF);
    return hex;
}

bool VerifyLegacy(std::string_view password, std::string_view hex) {
    const std::string expected = LegacyHash(password);
    if (hex.size() != expected.size()) {
        return false;
    }
    for (size_t i = 0; i < hex.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(hex[i])) != expected[i]) {
            return false;
        }
    }
    return true;
}

} // namespace vantor::model::password
