#include "envelope.h"

namespace cw::music {
namespace {

// Level while the key is down; no release involved.
double HeldLevel(const Adsr& env, double t) {
  if (t < 0.0) return 0.0;
  if (t < env.attack) return t / env.attack;
  const double d = t - env.attack;
  if (d < env.decay) {
    const double rest = 1.0 - d / env.decay;
    return env.sustain + (1.0 - env.sustain) * rest * rest;
  }
  return env.sustain;
}

}  // namespace

double Adsr::Level(double t, double gate) const {
  if (t < gate) return HeldLevel(*this, t);
  const double r = t - gate;
  if (r >= release) return 0.0;
  const double rest = 1.0 - r / release;
  return HeldLevel(*this, gate) * rest * rest;
}

}  // namespace cw::music
