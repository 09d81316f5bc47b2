#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Sheet passwords, never kept in clear: the salted SHA-512 form that workbook
// files store, and the legacy 16-bit form older files hold, which is only
// verified.
namespace vantor::model::password {

inline constexpr int32_t kSpinCount = 100000;
inline constexpr const char* kAlgorithm = "SHA-512";

// A password as workbook files keep it: base64 hash and salt, and the spins.
struct SaltedHash {
    std::string algorithm = kAlgorithm;
    std::string hashValue;
    std::string saltValue;
    int32_t spinCount = kSpinCount;
    bool operator==(const SaltedHash&) const = default;
};

// H0 = SHA-512(salt, password as UTF-16LE); Hn = SHA-512(Hn-1, n as 32-bit
// little-endian) for n below `spins`; the last, in base64. Raises 1004 for a
// salt that is not base64.
std::string HashValue(std::string_view password, std::string_view saltBase64, int32_t spins);
// A new 16-byte random salt and the password's hash under it.
SaltedHash Hash(std::string_view password);
// Whether the password gives the hash; false for an algorithm other than SHA-512.
bool Verify(std::string_view password, const SaltedHash& hash);

// The legacy 16-bit hash, as four upper-case hex digits.
std::string LegacyHash(std::string_view password);
// Whether the password gives the legacy hash (hex, any case).
bool VerifyLegacy(std::string_view password, std::string_view hex);

} // namespace vantor::model::password
