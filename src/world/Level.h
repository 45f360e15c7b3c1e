#pragma once

// The tile grid of one attempt.
class Level {};
