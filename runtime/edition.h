#pragma once

namespace ampdesk {

// The two programs built from one source: A shows the master section only,
// B the full strip. Chosen per program at build time.
enum class Edition { A, B };

}  // namespace ampdesk
