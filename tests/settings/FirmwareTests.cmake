# (filled by the tests that land here)
