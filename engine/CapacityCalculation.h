#pragma once

namespace engine {

class FormState;

// Reads the value fields, fills every quantity of the design record in a fixed order and ends by
// refreshing the result captions. The first step that fails throws: quantities of earlier steps
// stay new, those of later steps and the captions stay as the previous run left them.
void RunCapacityCalculation(FormState& form);

} // namespace engine
