#pragma once
// ADSR amplitude envelope, evaluated as a pure function of time.

namespace cw::music {

struct Adsr {
  double attack = 0.01;  // seconds, linear rise 0 -> 1
  double decay = 0.1;    // seconds, quadratic fall 1 -> sustain
  double sustain = 0.7;  // level held while the key is down
  double release = 0.2;  // seconds, quadratic fall to 0 after the key is let go

  // Level at time t after note-on, for a key held for gate seconds.
  double Level(double t, double gate) const;
  // Seconds after note-on when the level reaches 0 for good.
  double End(double gate) const { return gate + release; }
};

}  // namespace cw::music
