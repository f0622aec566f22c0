# the picture and rule store
