// Placeholder so a target without sources yet still builds.
