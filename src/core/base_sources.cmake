# The part of the core without Qt, built natively as core_base and for the web page.
set(PRIMZEILEN_CORE_BASE_SOURCES
  arithmetic.cpp
  binomial_fit.cpp
  csv_text.cpp
  failures.cpp
  fit_text.cpp
  model_text.cpp
  models.cpp
  number_text.cpp
  prime_marks.cpp
  row_lengths.cpp
  row_text.cpp
  rows.cpp
  segmented_primes.cpp
  summary_text.cpp
  window_range.cpp
)
