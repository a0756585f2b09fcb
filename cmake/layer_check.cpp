// Nothing of its own: the layer check links a library alone to find its missing symbols.
