#include "base/sha256.h"

#include <openssl/evp.h>

#include "base/errors.h"

namespace pieceset {

namespace {

// Fetched once: starting a digest by name looks the algorithm up each time,
// which costs more than hashing a recovery block.
const EVP_MD* Algorithm() {
  static EVP_MD* const fetched = EVP_MD_fetch(nullptr, "SHA256", nullptr);
  return fetched;
}

}  // namespace

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
  if (context_ == nullptr || Algorithm() == nullptr ||
      EVP_DigestInit_ex2(context_, Algorithm(), nullptr) != 1) {
    EVP_MD_CTX_free(context_);
    throw Error("SHA-256 is not available from OpenSSL");
  }
}

Sha256::~Sha256() { EVP_MD_CTX_free(context_); }

void Sha256::Update(const void* data, std::size_t size) {
  if (size > 0) EVP_DigestUpdate(context_, data, size);
}

Digest Sha256::Finish() {
  Digest digest{};
  unsigned int length = 0;
  EVP_DigestFinal_ex(context_, digest.data(), &length);
  EVP_DigestInit_ex2(context_, Algorithm(), nullptr);
  return digest;
}

Digest Sha256Of(const void* data, std::size_t size) {
  Sha256 sha;
  sha.Update(data, size);
  return sha.Finish();
}

}  // namespace pieceset
