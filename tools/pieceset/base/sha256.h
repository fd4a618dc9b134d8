// SHA-256 through OpenSSL's EVP.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct evp_md_ctx_st;

namespace pieceset {

constexpr std::size_t kDigestSize = 32;
using Digest = std::array<std::uint8_t, kDigestSize>;

class Sha256 {
 public:
  Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;
  ~Sha256();
  void Update(const void* data, std::size_t size);
  Digest Finish();  // and starts afresh

 private:
  evp_md_ctx_st* context_;
};

Digest Sha256Of(const void* data, std::size_t size);

}  // namespace pieceset
