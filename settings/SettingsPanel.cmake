# (filled by the files that land here)
