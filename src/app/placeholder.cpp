void solvarinPlaceholder() {}
