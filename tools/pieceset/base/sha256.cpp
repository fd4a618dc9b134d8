#include "base/sha256.h"

#include <openssl/evp.h>

#include "base/errors.h"

namespace pieceset {

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
  if (context_ == nullptr || EVP_DigestInit_ex(context_, EVP_sha256(), nullptr) != 1) {
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
  EVP_DigestInit_ex(context_, EVP_sha256(), nullptr);
  return digest;
}

Digest Sha256Of(const void* data, std::size_t size) {
  Sha256 sha;
  sha.Update(data, size);
  return sha.Finish();
}

}  // namespace pieceset
